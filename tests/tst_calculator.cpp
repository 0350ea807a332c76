// The calculator window, driven through its real widgets with the mouse and
// the keyboard: the arithmetic cases through every way of starting an
// operation, and the window's own behaviour.

#include "form1.h"
#include "harness.h"
#include "linewidget.h"
#include "placement.h"
#include "windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// first op second = whole numerator/denominator as the three result fields
// show them, or → the message; then how the operation is started (a click
// on its button when none is given). "_" is an empty box, "~" a blank.
const char *const kOperations = R"(
    1/2 + 1/3 = 0 5/6
    3/4 + 1/2 = 1 1/4
    1/2 + 1/2 = 1 0/0           | menu
    1/2 - 1/2 = 0 0/0
    1/4 - 3/4 = 0 -1/2          | Ctrl+S
    1/2 - 2/1 = 0 -3/2          | Space
    1/-2 × 1/1 = 0 -1/2         | Ctrl+M
    -1/-3 × 1/1 = 0 1/3
    7/3 × 1/1 = 2 1/3
    -7/3 + 0/1 = 0 -7/3
    0/7 × 3/5 = 0 0/0
    999/1 × 999/1 = 998001 0/0
    1/2 ÷ -1/4 = -2 0/0         | Ctrl+D
    2/3 ÷ 4/9 = 1 1/2           | menu
    2.0/3 + 1/3 = 1 0/0
    1e3/999 + 0/1 = 1 1/999
    ~7/2 + 0/1 = 3 1/2
    1/2 ÷ 0/5 → FILL ALL BOXES
    -1/2 ÷ 0/5 → FILL ALL BOXES
    0/2 ÷ 0/5 → FILL ALL BOXES
    1/2 - 1/0 → FILL ALL BOXES
    1/0 × 1/2 → FILL ALL BOXES  | menu
    1/0.5 ÷ 3/4 → FILL ALL BOXES
    1/0.4 + 0/1 → FILL ALL BOXES
    1.5/2 + 1/2 → FILL ALL BOXES
    9e9/1 + 0/1 → FILL ALL BOXES
    a/2 + 1/2 → FILL ALL BOXES
    1/~~ + 1/2 → FILL ALL BOXES
    _/_ + _/_ → FILL ALL BOXES  | Ctrl+A
)";

const QMap<QString, QString> kOperationNames = {
    {"+", "Add"}, {"-", "Subtract"}, {"×", "Multiply"}, {"÷", "Divide"}};

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void init();
    void cleanup();

    void operations_data() { addCases(kOperations); }
    void operations();
    void errorLeavesTheDisplay();
    void signFollowsThePointer();
    void inputLimits();
    void longWholePartShownWhole();
    void escapeClears();
    void enterPressesNothing();
    void tabOrder();
    void handPointerOnTheButtonsOnly();
    void exitAndCloseEndTheProgram();
    void placement();

private:
    QLineEdit *box(const char *name) const { return named<QLineEdit>(m_window.get(), name); }
    QPushButton *button(const QString &name) const { return named<QPushButton>(m_window.get(), name); }
    LineWidget *bar() const { return named<LineWidget>(m_window.get(), "Line1"); }
    void enter(const QString &first, const QString &second);
    QString result() const;
    qint64 sign() const;
    qint64 picture(const QString &operation) const;

    std::unique_ptr<Module1> m_engine;
    std::unique_ptr<Form1> m_window;
};

void TestCalculator::init()
{
    m_engine = std::make_unique<Module1>();
    m_window = std::make_unique<Form1>(*m_engine);
    QVERIFY(showActive(m_window.get()));
}

void TestCalculator::cleanup()
{
    m_window.reset();
    m_engine.reset();
}

// Types two fractions written "n/d" into the four boxes.
void TestCalculator::enter(const QString &first, const QString &second)
{
    const QStringList boxes = {"txtN1", "txtD1", "txtN2", "txtD2"};
    const QStringList typed = words(QString(first).replace(u'/', u' ') + u' ' + QString(second).replace(u'/', u' '));
    for (int i = 0; i < 4; ++i)
        typeInto(box(qPrintable(boxes[i])), typed.value(i));
}

// The three result fields as "whole numerator/denominator".
QString TestCalculator::result() const
{
    return box("txtWholeNum")->text() + u' ' + named<QLabel>(m_window.get(), "txtN3")->text() + u'/'
        + named<QLabel>(m_window.get(), "txtD3")->text();
}

// The picture the operator sign shows (0: none yet), and an operation's own.
qint64 TestCalculator::sign() const
{
    const QPixmap shown = named<QLabel>(m_window.get(), "Image1")->pixmap();
    return shown.isNull() ? 0 : shown.cacheKey();
}

qint64 TestCalculator::picture(const QString &operation) const
{
    const QMap<QString, QString> pictures = {
        {"Add", "imgPlus"}, {"Subtract", "imgNeg"}, {"Multiply", "imgMulti"}, {"Divide", "imgDiv"}};
    return named<QLabel>(m_window.get(), pictures[operation])->pixmap().cacheKey();
}

void TestCalculator::operations()
{
    QFETCH(QString, line);
    const QStringList parts = columns(line, 2);
    const QString how = parts[1];
    const bool fails = parts[0].contains(u'→');
    const QStringList sides = parts[0].split(fails ? u'→' : u'=');
    const QStringList operands = sides[0].split(u' ', Qt::SkipEmptyParts);
    const QString operation = kOperationNames[operands[1]];
    enter(operands[0], operands[2]);

    QList<ShownMessage> messages = messagesDuring([&] {
        if (how.isEmpty()) {
            click(button("cmd" + operation));
        } else if (how == "menu") {
            QVERIFY(chooseMenuEntry(m_window.get(), "mnuFunction", "mnu" + operation));
        } else if (how == "Space") {
            button("cmd" + operation)->setFocus();
            QTest::keyClick(button("cmd" + operation), Qt::Key_Space);
        } else { // the shortcut from inside a box, where the box has keys of its own
            QTest::keySequence(box("txtD2"), QKeySequence(how));
        }
    });
    if (fails) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, sides[1].trimmed());
        QCOMPARE(messages[0].caption, QStringLiteral("Zarnith"));
        QVERIFY(messages[0].plain);
        QCOMPARE(result(), QStringLiteral(" /"));
    } else {
        QVERIFY(messages.isEmpty());
        QCOMPARE(result(), sides[1].trimmed());
        // The bar ends at the right edge of the denominator.
        const QRect d3 = named<QLabel>(m_window.get(), "txtD3")->geometry();
        QCOMPARE(bar()->geometry().right(), d3.right());
        QCOMPARE(bar()->x2(), pixelsToTwips(d3.right() + 1));
    }
    // Every way but Space shows the operation's sign.
    QCOMPARE(sign(), how == "Space" ? 0 : picture(operation));
}

void TestCalculator::errorLeavesTheDisplay()
{
    enter("1/2", "1/3");
    click(button("cmdAdd"));
    const float barEnd = bar()->x2();
    typeInto(box("txtD2"), "");
    QCOMPARE(messageTexts([&] { click(button("cmdAdd")); }).size(), 1);
    QCOMPARE(result(), QStringLiteral("0 5/6"));
    QCOMPARE(bar()->x2(), barEnd);
    // A menu entry shows its sign before the message appears.
    qint64 signWhileShown = 0;
    messagesDuring([&] { chooseMenuEntry(m_window.get(), "mnuFunction", "mnuSubtract"); },
                   [&] { signWhileShown = sign(); });
    QCOMPARE(signWhileShown, picture("Subtract"));
    // A typed whole number takes no part.
    enter("1/2", "1/3");
    typeInto(box("txtWholeNum"), "77");
    click(button("cmdAdd"));
    QCOMPARE(result(), QStringLiteral("0 5/6"));
}

void TestCalculator::signFollowsThePointer()
{
    for (const char *operation : {"Add", "Subtract", "Divide", "Multiply"}) {
        QTest::mouseMove(button(QString("cmd") + operation), QPoint(5, 5));
        QTest::mouseMove(button(QString("cmd") + operation), QPoint(10, 10));
        QCOMPARE(sign(), picture(operation));
        QTest::mouseMove(box("txtN1"), QPoint(5, 5)); // leaving restores nothing
        QCOMPARE(sign(), picture(operation));
    }
    QTest::mouseMove(button("cmdClear"), QPoint(5, 5));
    QTest::mouseMove(button("cmdClear"), QPoint(10, 10));
    QCOMPARE(sign(), picture("Multiply"));
    // Space on a button runs it and leaves the sign alone.
    enter("1/2", "1/3");
    button("cmdAdd")->setFocus();
    QTest::keyClick(button("cmdAdd"), Qt::Key_Space);
    QCOMPARE(result(), QStringLiteral("0 5/6"));
    QCOMPARE(sign(), picture("Multiply"));
}

void TestCalculator::inputLimits()
{
    QApplication::clipboard()->setText("123456");
    for (const auto &[name, kept] : {std::pair{"txtN1", "123"}, {"txtD1", "1234"}, {"txtN2", "123"},
                                    {"txtD2", "1234"}, {"txtWholeNum", "123"}}) {
        typeInto(box(name), "123456");
        QCOMPARE(box(name)->text(), QString(kept));
        typeInto(box(name), "");
        QTest::keySequence(box(name), QKeySequence::Paste);
        QCOMPARE(box(name)->text(), QString(kept));
    }
}

void TestCalculator::longWholePartShownWhole()
{
    QLineEdit *whole = box("txtWholeNum");
    const double designed = whole->font().pointSizeF();
    enter("999/1", "999/1");
    click(button("cmdMultiply"));
    QCOMPARE(whole->text(), QStringLiteral("998001"));
    // Readable: the whole text fits, in a smaller size of the font.
    QVERIFY(whole->fontMetrics().horizontalAdvance(whole->text()) < whole->width() - 4);
    QVERIFY(whole->font().pointSizeF() < designed && whole->font().pointSizeF() > 8);
    // The user can shorten the text but not lengthen it past the limit.
    QTest::mouseClick(whole, Qt::LeftButton);
    QTest::keyClick(whole, Qt::Key_End);
    QTest::keyClick(whole, Qt::Key_9);
    QCOMPARE(whole->text(), QStringLiteral("998001"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(whole, Qt::Key_Backspace);
    QTest::keyClicks(whole, "345");
    QCOMPARE(whole->text(), QStringLiteral("993"));
    // A short result is shown at the full size again.
    enter("1/2", "1/3");
    click(button("cmdAdd"));
    QCOMPARE(whole->font().pointSizeF(), designed);
}

void TestCalculator::escapeClears()
{
    enter("3/4", "1/2");
    click(button("cmdAdd"));
    const float barEnd = bar()->x2();
    // Esc from a box, Esc from a button, Alt+C: every box and field empty,
    // the sign and the bar where they were, Esc leaving the focus alone.
    const std::pair<QWidget *, QKeyCombination> ways[] = {
        {box("txtN2"), Qt::Key_Escape}, {button("cmdDivide"), Qt::Key_Escape}, {box("txtN2"), Qt::ALT | Qt::Key_C}};
    for (const auto &[focus, key] : ways) {
        enter("3/4", "1/2");
        typeInto(box("txtWholeNum"), "9");
        focus->setFocus();
        QTest::keySequence(focus, QKeySequence(key));
        QTRY_COMPARE(result(), QStringLiteral(" /")); // a button shows its press first
        for (const char *name : {"txtN1", "txtD1", "txtN2", "txtD2"})
            QVERIFY2(box(name)->text().isEmpty(), name);
        QCOMPARE(sign(), picture("Add"));
        QCOMPARE(bar()->x2(), barEnd);
        if (key.key() == Qt::Key_Escape)
            QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(m_engine->varResultNumerator.kind(), Variant::Kind::Int16);
    }
}

void TestCalculator::enterPressesNothing()
{
    enter("1/2", "1/3");
    QTest::keyClick(box("txtD2"), Qt::Key_Return);
    QTest::keyClick(box("txtD2"), Qt::Key_Enter);
    button("cmdAdd")->setFocus();
    QTest::keyClick(button("cmdAdd"), Qt::Key_Return);
    QCOMPARE(result(), QStringLiteral(" /"));
}

void TestCalculator::tabOrder()
{
    QCOMPARE(QApplication::focusWidget(), box("txtN1"));
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited.join(u' '), QStringLiteral("txtD1 txtN2 txtD2 cmdAdd cmdSubtract cmdDivide "
                                                "cmdMultiply cmdClear cmdDecimal txtN1"));
    // The whole number is no tab stop, but a click puts the caret there.
    QTest::mouseClick(box("txtWholeNum"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), box("txtWholeNum"));
}

void TestCalculator::handPointerOnTheButtonsOnly()
{
    for (QPushButton *b : m_window->findChildren<QPushButton *>()) {
        const QCursor cursor = b->cursor();
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        // The finger tip is drawn; the corner is clear.
        const QImage image = cursor.pixmap().toImage();
        QVERIFY(qAlpha(image.pixel(12, 1)) > 0 && qAlpha(image.pixel(0, 0)) == 0);
    }
    for (QWidget *w : {static_cast<QWidget *>(m_window.get()), static_cast<QWidget *>(box("txtN1"))})
        QVERIFY(w->cursor().shape() != Qt::BitmapCursor);
}

void TestCalculator::exitAndCloseEndTheProgram()
{
    QSignalSpy unloading(m_window.get(), &Form1::unloading);
    QVERIFY(chooseMenuEntry(m_window.get(), "mnuFile", "mnuExit"));
    QCOMPARE(unloading.count(), 1);
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(showActive(m_window.get()));
    QVERIFY(m_window->close()); // the close box
    QCOMPARE(unloading.count(), 2);
}

void TestCalculator::placement()
{
    placeCalculatorWindow(m_window.get());
    const QRect screen = m_window->screen()->geometry();
    const QRect frame = m_window->frameGeometry();
    QCOMPARE(frame.left(), (screen.width() - frame.width()) / 2);
    // Its bottom a quarter of its height above the bottom of the screen.
    QVERIFY(qAbs(screen.height() - frame.bottom() - 1 - frame.height() / 4.0) <= 1.0);
}

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
