#include "frmfract.h"

#include "answerlabel.h"
#include "boxedit.h"
#include "formkit.h"
#include "module1.h"
#include "numbers.h"
#include "screenreader.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zarnith {

FrmFract::FrmFract(Module1 &engine, QWidget *parent) : WorkingWindow(parent)
{
    m_ui.setupUi(this);
    setCommonEntries({m_ui.mnuExit, m_ui.mnuContets, m_ui.mnuAbout, true, m_ui.copyKey, m_ui.lblAnswer});
    for (BoxEdit *box : {m_ui.txtWholeNum, m_ui.txtNumerator, m_ui.txtDenominator, m_ui.txtDecimal})
        box->setSelectAllOnFocus(true);

    connect(m_ui.cmdResult0, &QPushButton::clicked, this, &FrmFract::fractionToDecimal);
    connect(m_ui.cmdResult1, &QPushButton::clicked, this, &FrmFract::decimalToFraction);
    connect(m_ui.cmdReduce, &QPushButton::clicked, this, &FrmFract::reduce);
    connect(m_ui.cmdClear, &QPushButton::clicked, this, &FrmFract::clear);
    // Each Functions entry presses its button.
    const std::pair<QAction *, QPushButton *> presses[] = {
        {m_ui.mnuReduce, m_ui.cmdReduce},
        {m_ui.mnuFracToDec, m_ui.cmdResult0},
        {m_ui.mnuDecToFrac, m_ui.cmdResult1},
        {m_ui.mnuClear, m_ui.cmdClear},
    };
    for (const auto &[entry, button] : presses)
        connect(entry, &QAction::triggered, button, &QPushButton::click);
    connect(m_ui.mnuFractions, &QAction::triggered, this, &FrmFract::otherWindowRequested);
    connect(m_ui.copyApprox, &QAction::triggered, this, &FrmFract::copyNearestSixtyFourth);
    connect(m_ui.txtDecimal, &QLineEdit::textEdited, this, [this] { m_decimalConverted = false; });
    m_ui.Label1->installEventFilter(this);

    engine.varResultDenominator = Variant::int16(0);
    showWorkingValues();
    showApprox();
}

QString FrmFract::keepSmall()
{
    return tr("COME ON NOW... Keep those numbers small please.");
}

QString FrmFract::numbersOnly()
{
    return tr("Error.......Numbers Only");
}

void FrmFract::showWorkingValues()
{
    m_ui.txtNumerator->setProgramText(doubleToText(m_values.sngNumerator));
    m_ui.txtDenominator->setProgramText(doubleToText(m_values.sngDenominator));
    m_ui.txtWholeNum->setProgramText(m_values.varWholeNum.toText());
}

// Fraction to Decimal of the whole number and the fraction in the boxes.
// An empty numerator or denominator does nothing; an empty whole number is
// taken as 0 (and shows it).
void FrmFract::fractionToDecimal()
{
    const QString numerator = m_ui.txtNumerator->text();
    const QString denominator = m_ui.txtDenominator->text();
    if (numerator.isEmpty() || denominator.isEmpty())
        return;
    if (m_ui.txtWholeNum->text().isEmpty())
        m_ui.txtWholeNum->setProgramText(QStringLiteral("0"));
    const QString whole = m_ui.txtWholeNum->text();

    const std::pair<const QString &, QString> checks[] = {
        {numerator, tr("Numbers ONLY!  Check you Numerator")},
        {denominator, tr("Numbers ONLY!  Check you Denominator")},
        {whole, tr("Numbers ONLY!  Check you Whole Number")},
    };
    for (const auto &[text, message] : checks) {
        if (!isNumericText(text)) {
            showMessage(this, message);
            return;
        }
    }
    const Result<double> w = textToDouble(whole), n = textToDouble(numerator), d = textToDouble(denominator);
    if (!w || !n || !d) {
        showMessage(this, keepSmall());
        return;
    }
    const auto [values, decimal] = zarnith::fractionToDecimal(m_values, *w, *n, *d);
    m_values = values;
    if (!decimal) {
        showMessage(this, keepSmall());
        return;
    }
    const std::optional<double> &converted = *decimal;
    m_ui.txtDecimal->setProgramText(converted ? decimalPatternText(*converted) : QString());
    m_decimalConverted = true;
    showApprox();
    if (converted) {
        announceConversion(m_ui.txtDecimal->text(), m_ui.Frame3);
    } else {
        tellAnswer(QString());
        m_ui.lblAnswer->surround(nullptr);
    }
}

// Decimal to Fraction of the decimal box, and its nearest sixty-fourth. An
// empty box does nothing; a text that is not a number is refused and
// emptied; a decimal outside the method's range changes nothing.
void FrmFract::decimalToFraction()
{
    const QString text = m_ui.txtDecimal->text();
    if (text.isEmpty())
        return;
    const Result<double> decimal = textToDouble(text);
    if (!decimal && decimal.error() == Error::TypeMismatch) {
        showMessage(this, tr("Numbers ONLY!"));
        m_ui.txtDecimal->setProgramText(QString());
        return;
    }
    if (!decimal) {
        showMessage(this, keepSmall());
        return;
    }
    const auto [values, fraction] = zarnith::decimalToFraction(m_values, *decimal);
    m_values = values;
    if (!fraction) {
        showMessage(this, keepSmall());
        return;
    }
    m_ui.txtWholeNum->setProgramText(doubleToText(fraction->whole));
    showApprox();
    m_ui.txtNumerator->setProgramText(fractionPatternText(fraction->numerator));
    m_ui.txtDenominator->setProgramText(fractionPatternText(fraction->denominator));
    m_decimalConverted = true;
    announceConversion(spokenFraction(), m_ui.Frame2);
}

// Reduce the fraction in the boxes, its whole part carried into the whole
// number.
void FrmFract::reduce()
{
    const Result<double> n = textToDouble(m_ui.txtNumerator->text());
    const Result<double> d = textToDouble(m_ui.txtDenominator->text());
    if (!n || !d) {
        showMessage(this, numbersOnly());
        return;
    }
    const auto [values, reduced] = zarnith::reduce(m_values, *n, *d, textToDouble(m_ui.txtWholeNum->text()));
    m_values = values;
    if (!reduced) {
        showMessage(this, numbersOnly());
        return;
    }
    if (reduced->whole)
        m_ui.txtWholeNum->setProgramText(doubleToText(*reduced->whole));
    m_ui.txtDenominator->setProgramText(doubleToText(reduced->denominator));
    m_ui.txtNumerator->setProgramText(doubleToText(reduced->numerator));
    keepDecimalIfItBelongs();
    tellAnswer(spokenFraction());
    m_ui.lblAnswer->surround(m_ui.Frame2);
}

// After Reduce, a decimal that came from the last conversion stays only
// while it still belongs to the fraction shown: while Fraction to Decimal
// of that fraction would write the same decimal (0.5 and .5 are one). Else
// it goes, with its nearest sixty-fourth, as when Fraction to Decimal
// computes nothing. A decimal typed in and not converted yet always stays.
void FrmFract::keepDecimalIfItBelongs()
{
    const QString shown = m_ui.txtDecimal->text();
    if (!m_decimalConverted || shown.isEmpty())
        return;
    const Result<double> value = textToDouble(shown);
    if (value && decimalOfFraction() == decimalPatternText(*value))
        return;
    m_ui.txtDecimal->setProgramText(QString());
    m_values.strApprox.clear();
    showApprox();
}

// What Fraction to Decimal would write for the boxes as they stand (an
// empty whole number read as 0), on a copy of the working values; none
// where it would compute nothing.
std::optional<QString> FrmFract::decimalOfFraction() const
{
    const QString whole = m_ui.txtWholeNum->text();
    const Result<double> w = textToDouble(whole.isEmpty() ? QStringLiteral("0") : whole);
    const Result<double> n = textToDouble(m_ui.txtNumerator->text());
    const Result<double> d = textToDouble(m_ui.txtDenominator->text());
    if (!w || !n || !d)
        return std::nullopt;
    const Result<std::optional<double>> decimal = zarnith::fractionToDecimal(m_values, *w, *n, *d).shown;
    if (!decimal || !*decimal)
        return std::nullopt;
    return decimalPatternText(**decimal);
}

void FrmFract::clear()
{
    m_values = WorkingValues();
    m_ui.txtDecimal->setProgramText(QString());
    showApprox();
    showWorkingValues();
    tellCleared();
    m_ui.lblAnswer->surround(nullptr);
}

// The nearest sixty-fourth, its field sized to it (empty, it shows
// nothing), and its Copy offered only while there is one.
void FrmFract::showApprox()
{
    m_ui.Label2->setText(m_values.strApprox);
    m_ui.Label2->adjustSize();
    // A label never shown with text keeps its width through adjustSize.
    if (m_values.strApprox.isEmpty())
        m_ui.Label2->resize(0, m_ui.Label2->height());
    m_ui.copyApprox->setEnabled(!m_values.strApprox.isEmpty());
}

// The fraction the boxes show, the way it is spoken.
QString FrmFract::spokenFraction() const
{
    return spokenMixedNumber(m_ui.txtWholeNum->text(), m_ui.txtNumerator->text(), m_ui.txtDenominator->text());
}

// Speaks a conversion's result together with the nearest sixty-fourth now
// shown: "2 3/4, nearest sixty-fourth more than 63/64".
void FrmFract::announceConversion(const QString &result, const QWidget *place)
{
    QStringList parts;
    if (!result.isEmpty())
        parts << result;
    if (!m_values.strApprox.isEmpty()) {
        // The two ends ("> 63/64", "< 1/64") in words.
        const QString approx = m_values.strApprox;
        const QString spoken = approx.startsWith(u'>') ? tr("more than %1").arg(approx.mid(2))
            : approx.startsWith(u'<')                  ? tr("less than %1").arg(approx.mid(2))
                                                       : approx;
        parts << tr("nearest sixty-fourth %1").arg(spoken);
    }
    tellAnswer(result, parts.join(tr(", ", "between the result and its nearest sixty-fourth")));
    m_ui.lblAnswer->surround(place);
}

// Copy on the nearest sixty-fourth: the text it shows ("3/8").
void FrmFract::copyNearestSixtyFourth()
{
    if (!m_values.strApprox.isEmpty())
        QApplication::clipboard()->setText(m_values.strApprox);
}

bool FrmFract::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.Label1 && event->type() == QEvent::MouseButtonRelease)
        emit aboutRequested(false);
    return WorkingWindow::eventFilter(watched, event);
}

} // namespace zarnith
