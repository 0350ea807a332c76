#include "form1.h"

#include "answerlabel.h"
#include "boxedit.h"
#include "formkit.h"
#include "linewidget.h"
#include "numbers.h"
#include "pictures.h"
#include "placement.h"
#include "screenreader.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace zarnith {

// One row per operation: its button, its menu entry, the hidden picture
// that the operator sign copies, and the engine routine it runs.
struct Form1::Operation {
    QPushButton *Form1Ui::*button;
    QAction *Form1Ui::*menuEntry;
    PictureLabel *Form1Ui::*picture;
    Result<MixedNumber> (Module1::*routine)(const Fraction &, const Fraction &);
};

const Form1::Operation Form1::kOperations[4] = {
    {&Form1Ui::cmdAdd, &Form1Ui::mnuAdd, &Form1Ui::imgPlus, &Module1::AddFractions},
    {&Form1Ui::cmdSubtract, &Form1Ui::mnuSubtract, &Form1Ui::imgNeg, &Module1::SubtractFractions},
    {&Form1Ui::cmdMultiply, &Form1Ui::mnuMultiply, &Form1Ui::imgMulti, &Module1::MultiplyFractions},
    {&Form1Ui::cmdDivide, &Form1Ui::mnuDivide, &Form1Ui::imgDiv, &Module1::DivideFractions},
};

Form1::Form1(Module1 &engine, QWidget *parent) : WorkingWindow(parent), m_engine(engine)
{
    m_ui.setupUi(this);
    m_resultFont = m_ui.txtN3->font();
    setCommonEntries({m_ui.mnuExit, m_ui.mnuContents, m_ui.mnuAbout, false, m_ui.copyKey, m_ui.lblAnswer});

    for (const Operation &operation : kOperations) {
        QPushButton *button = m_ui.*operation.button;
        connect(button, &QPushButton::clicked, this, [this, &operation] { runOperation(operation); });
        // A menu entry shows its sign, then presses its button.
        connect(m_ui.*operation.menuEntry, &QAction::triggered, this, [this, &operation] {
            showOperator(operation);
            (m_ui.*operation.button)->click();
        });
        // The sign follows the pointer over the button.
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }
    connect(m_ui.cmdClear, &QPushButton::clicked, this, &Form1::clear);
    connect(m_ui.cancelKey, &QAction::triggered, m_ui.cmdClear, &QPushButton::click);
    connect(m_ui.cmdDecimal, &QPushButton::clicked, this, &Form1::otherWindowRequested);
    connect(m_ui.mnuDecimal, &QAction::triggered, m_ui.cmdDecimal, &QPushButton::click);
}

// Any error, from a box that holds no whole number to a result beyond the
// engine's range, leaves the result fields and the bar as they were.
void Form1::runOperation(const Operation &operation)
{
    const Result<MixedNumber> result = calculate(operation);
    if (!result) {
        showMessage(this, tr("FILL ALL BOXES"));
        return;
    }
    showResult(doubleToText(result->whole), doubleToText(result->numerator), doubleToText(result->denominator));
    placeResultBar();
    tellAnswer(spokenMixedNumber(m_ui.txtWholeNum->text(), m_ui.txtN3->text(), m_ui.txtD3->text()));
}

Result<MixedNumber> Form1::calculate(const Operation &operation)
{
    const Result<Fraction> first = readFraction(m_ui.txtN1->text(), m_ui.txtD1->text());
    if (!first)
        return first.error();
    const Result<Fraction> second = readFraction(m_ui.txtN2->text(), m_ui.txtD2->text());
    if (!second)
        return second.error();
    return (m_engine.*operation.routine)(*first, *second);
}

void Form1::showOperator(const Operation &operation)
{
    const PictureLabel *picture = m_ui.*operation.picture;
    m_ui.Image1->setPicture(picture->picture());
    m_ui.Image1->setAccessibleName(picture->accessibleName());
}

// The result's numerator, denominator and whole part, in this order.
void Form1::showResult(const QString &whole, const QString &numerator, const QString &denominator)
{
    showResultLabel(m_ui.txtN3, numerator);
    showResultLabel(m_ui.txtD3, denominator);
    m_ui.txtWholeNum->setProgramText(whole);
}

// A result label sizes itself to its caption, its left edge fixed. A
// caption that would pass the window's right edge is set in a smaller size
// of the label's font, so that the number shows whole.
void Form1::showResultLabel(QLabel *label, const QString &text)
{
    const int room = label->parentWidget()->width() - label->x() - 1;
    label->setText(text);
    label->setFont(fittedFont(m_resultFont, text, room));
    label->adjustSize();
}

// The bar ends at the right edge of the denominator, which has just sized
// itself to its new caption.
void Form1::placeResultBar()
{
    const QRect d3 = m_ui.txtD3->geometry();
    m_ui.Line1->setX2(pixelsToTwips(d3.left()) + pixelsToTwips(d3.width()));
}

void Form1::clear()
{
    for (BoxEdit *box : {m_ui.txtN1, m_ui.txtD1, m_ui.txtN2, m_ui.txtD2})
        box->setProgramText(QString());
    showResult(QString(), QString(), QString());
    m_engine.ResetResult();
    tellCleared();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // A real press on a button comes with the pointer over it, so it shows
    // the sign too; a press with Space leaves the sign alone.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
        for (const Operation &operation : kOperations) {
            if (watched == m_ui.*operation.button)
                showOperator(operation);
        }
    }
    return WorkingWindow::eventFilter(watched, event);
}

} // namespace zarnith
