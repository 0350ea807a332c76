// The calculator window, driven through its real widgets with the mouse and
// the keyboard: the arithmetic cases through every way of starting an
// operation, and the window's own behaviour.

#include "form1.h"
#include "harness.h"
#include "linewidget.h"
#include "placement.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// first op second = the result as the three fields show it and the screen
// reader says it, or → the message; then how the operation is started (a
// click on its button when none is given). "_" is an empty box, "~" a blank.
const char *const kOperations = R"(
    1/2 + 1/3 = 5/6
    3/4 + 1/2 = 1 1/4
    1/2 + 1/2 = 1               | menu
    1/2 - 1/2 = 0
    1/4 - 3/4 = -1/2            | Ctrl+S
    1/2 - 2/1 = -3/2            | Space
    1/-2 × 1/1 = -1/2           | Ctrl+M
    -1/-3 × 1/1 = 1/3
    7/3 × 1/1 = 2 1/3
    -7/3 + 0/1 = -7/3
    0/7 × 3/5 = 0
    999/1 × 999/1 = 998001
    1/2 ÷ -1/4 = -2             | Ctrl+D
    2/3 ÷ 4/9 = 1 1/2           | menu
    2.0/3 + 1/3 = 1
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

// A result as read ("1 1/4", "-3/2", "2") as the fields show it: whole
// number, numerator/denominator ("1 1/4", "0 -3/2", "2 0/0").
QString asFields(const QString &result)
{
    const QString fraction = result.section(u' ', -1);
    if (!fraction.contains(u'/'))
        return fraction + " 0/0";
    return (result.contains(u' ') ? result.section(u' ', 0, 0) : "0") + u' ' + fraction;
}

// Each operation: its sign in the table, its button and menu entry, and
// the hidden picture the operator sign copies.
const QMap<QString, std::pair<QString, QString>> kOperationsBySign = {
    {"+", {"Add", "imgPlus"}}, {"-", {"Subtract", "imgNeg"}}, {"×", {"Multiply", "imgMulti"}}, {"÷", {"Divide", "imgDiv"}}};

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void init();
    void cleanup() { m_window.reset(); }

    void operations_data() { addCases(kOperations); }
    void operations();
    void errorLeavesTheDisplay();
    void signFollowsThePointer();
    void inputLimits();
    void longWholePartShownWhole();
    void escapeClears();
    void keys();
    void pictures();
    void exitAndCloseEndTheProgram();

private:
    QLineEdit *box(const char *name) const { return named<QLineEdit>(m_window.get(), name); }
    QPushButton *button(const QString &sign) const
    {
        return named<QPushButton>(m_window.get(), "cmd" + kOperationsBySign.value(sign, {sign, {}}).first);
    }
    LineWidget *bar() const { return named<LineWidget>(m_window.get(), "Line1"); }
    QLabel *label(const QString &name) const { return named<QLabel>(m_window.get(), name); }
    void enter(const QString &fractions);
    QString result() const;
    qint64 sign() const;
    qint64 picture(const QString &sign) const { return label(kOperationsBySign[sign].second)->pixmap().cacheKey(); }

    std::unique_ptr<Module1> m_engine = std::make_unique<Module1>();
    std::unique_ptr<Form1> m_window;
};

void TestCalculator::init()
{
    m_window = std::make_unique<Form1>(*m_engine);
    QVERIFY(showActive(m_window.get()));
}

// Types "n1/d1 n2/d2" into the four boxes.
void TestCalculator::enter(const QString &fractions)
{
    const QStringList typed = words(QString(fractions).replace(u'/', u' '));
    for (int i = 0; i < 4; ++i)
        typeInto(box(QStringList{"txtN1", "txtD1", "txtN2", "txtD2"}[i].toLatin1()), typed.value(i));
}

// The three result fields as "whole numerator/denominator".
QString TestCalculator::result() const
{
    return box("txtWholeNum")->text() + u' ' + label("txtN3")->text() + u'/' + label("txtD3")->text();
}

// The picture the operator sign shows (0: none yet).
qint64 TestCalculator::sign() const
{
    const QPixmap shown = label("Image1")->pixmap();
    return shown.isNull() ? 0 : shown.cacheKey();
}

void TestCalculator::operations()
{
    QFETCH(QString, line);
    const QStringList parts = columns(line, 2);
    const QString how = parts[1];
    const bool fails = parts[0].contains(u'→');
    const QStringList sides = parts[0].split(fails ? u'→' : u'=');
    const QStringList operands = sides[0].split(u' ', Qt::SkipEmptyParts);
    const QString op = operands[1];
    enter(operands[0] + u' ' + operands[2]);

    QList<ShownMessage> messages = messagesDuring([&] {
        if (how.isEmpty()) {
            click(button(op));
        } else if (how == "menu") {
            QVERIFY(chooseMenuEntry(m_window.get(), "mnuFunction", "mnu" + kOperationsBySign[op].first));
        } else if (how == "Space") {
            button(op)->setFocus();
            QTest::keyClick(button(op), Qt::Key_Space);
        } else { // the shortcut from inside a box, where the box has keys of its own
            QTest::keySequence(box("txtD2"), QKeySequence(how));
        }
    });
    if (fails) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, sides[1].trimmed());
        QVERIFY(messages[0].plain && messages[0].caption == "Zarnith");
        QCOMPARE(result() + spoken(m_window.get()), " /");
    } else {
        QVERIFY(messages.isEmpty());
        QCOMPARE(result(), asFields(sides[1].trimmed()));
        QCOMPARE(spoken(m_window.get()), sides[1].trimmed());
        // The bar ends at the right edge of the denominator.
        QCOMPARE(bar()->geometry().right(), label("txtD3")->geometry().right());
        QCOMPARE(bar()->x2(), pixelsToTwips(label("txtD3")->geometry().right() + 1));
    }
    // Every way but Space shows the operation's sign.
    QCOMPARE(sign(), how == "Space" ? 0 : picture(op));
}

void TestCalculator::errorLeavesTheDisplay()
{
    enter("1/2 1/3");
    click(button("+"));
    const float barEnd = bar()->x2();
    typeInto(box("txtD2"), "");
    QCOMPARE(messagesDuring([&] { click(button("+")); }).size(), 1);
    QCOMPARE(result(), "0 5/6");
    QCOMPARE(bar()->x2(), barEnd);
    // A menu entry shows its sign before the message appears.
    qint64 signWhileShown = 0;
    messagesDuring([&] { chooseMenuEntry(m_window.get(), "mnuFunction", "mnuSubtract"); },
                   [&] { signWhileShown = sign(); });
    QCOMPARE(signWhileShown, picture("-"));
    // A typed whole number takes no part.
    enter("1/2 1/3");
    typeInto(box("txtWholeNum"), "77");
    click(button("+"));
    QCOMPARE(result(), "0 5/6");
}

void TestCalculator::signFollowsThePointer()
{
    for (const char *op : {"+", "-", "÷", "×"}) {
        QTest::mouseMove(button(op), QPoint(5, 5));
        QTest::mouseMove(button(op), QPoint(10, 10));
        QCOMPARE(sign(), picture(op));
        QCOMPARE(label("Image1")->accessibleName(), label(kOperationsBySign[op].second)->accessibleName());
        QTest::mouseMove(box("txtN1"), QPoint(5, 5)); // leaving restores nothing
        QCOMPARE(sign(), picture(op));
    }
    QTest::mouseMove(button("Clear"), QPoint(5, 5));
    QTest::mouseMove(button("Clear"), QPoint(10, 10));
    QCOMPARE(sign(), picture("×"));
    // Space on a button runs it and leaves the sign alone.
    enter("1/2 1/3");
    button("+")->setFocus();
    QTest::keyClick(button("+"), Qt::Key_Space);
    QCOMPARE(result(), "0 5/6");
    QCOMPARE(sign(), picture("×"));
}

void TestCalculator::inputLimits()
{
    QApplication::clipboard()->setText("123456");
    for (const auto &[name, kept] : {std::pair{"txtN1", "123"}, {"txtD1", "1234"}, {"txtN2", "123"},
                                    {"txtD2", "1234"}, {"txtWholeNum", "123"}}) {
        typeInto(box(name), "123456");
        QCOMPARE(box(name)->text(), kept);
        typeInto(box(name), "");
        QTest::keySequence(box(name), QKeySequence::Paste);
        QCOMPARE(box(name)->text(), kept);
    }
}

void TestCalculator::longWholePartShownWhole()
{
    QLineEdit *whole = box("txtWholeNum");
    const double designed = whole->font().pointSizeF();
    enter("999/1 999/1");
    click(button("×"));
    QCOMPARE(whole->text(), "998001");
    // Readable: the whole text fits, in a smaller size of the font.
    QVERIFY(whole->fontMetrics().horizontalAdvance(whole->text()) < whole->width() - 4);
    QVERIFY(whole->font().pointSizeF() < designed && whole->font().pointSizeF() > 8);
    // The user can shorten the text but not lengthen it past the limit.
    QTest::mouseClick(whole, Qt::LeftButton);
    QTest::keyClick(whole, Qt::Key_End);
    QTest::keyClick(whole, Qt::Key_9);
    QCOMPARE(whole->text(), "998001");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(whole, Qt::Key_Backspace);
    QTest::keyClicks(whole, "345");
    QCOMPARE(whole->text(), "993");
    // A short result is shown at the full size again.
    enter("1/2 1/3");
    click(button("+"));
    QCOMPARE(whole->font().pointSizeF(), designed);
}

void TestCalculator::escapeClears()
{
    enter("3/4 1/2");
    click(button("+"));
    const float barEnd = bar()->x2();
    // Esc from a box, Esc from a button, Alt+C: every box and field empty,
    // the sign and the bar where they were, Esc leaving the focus alone.
    const std::pair<QWidget *, QKeyCombination> ways[] = {
        {box("txtN2"), Qt::Key_Escape}, {button("÷"), Qt::Key_Escape}, {box("txtN2"), Qt::ALT | Qt::Key_C}};
    for (const auto &[focus, key] : ways) {
        enter("3/4 1/2");
        typeInto(box("txtWholeNum"), "9");
        focus->setFocus();
        QTest::keySequence(focus, QKeySequence(key));
        QTRY_COMPARE(result(), " /"); // a button shows its press first
        for (const char *name : {"txtN1", "txtD1", "txtN2", "txtD2"})
            QVERIFY2(box(name)->text().isEmpty(), name);
        QCOMPARE(sign(), picture("+"));
        QCOMPARE(bar()->x2(), barEnd);
        if (key.key() == Qt::Key_Escape)
            QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(m_engine->varResultNumerator.kind(), Variant::Kind::Int16);
        QCOMPARE(spoken(m_window.get()), "Cleared");
    }
}

void TestCalculator::keys()
{
    // Tab walks the boxes and buttons; the whole number is no tab stop, but
    // a click puts the caret there.
    QCOMPARE(QApplication::focusWidget(), box("txtN1"));
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited.join(u' '), "txtD1 txtN2 txtD2 cmdAdd cmdSubtract cmdDivide cmdMultiply cmdClear "
                                 "cmdDecimal txtN1");
    QTest::mouseClick(box("txtWholeNum"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), box("txtWholeNum"));
    // Every control a person can reach says what it is.
    for (QWidget *w : m_window->findChildren<QWidget *>()) {
        if (w->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
    // Enter presses nothing, in a box or on a button.
    enter("1/2 1/3");
    QTest::keyClick(box("txtD2"), Qt::Key_Return);
    QTest::keyClick(box("txtD2"), Qt::Key_Enter);
    button("+")->setFocus();
    QTest::keyClick(button("+"), Qt::Key_Return);
    QCOMPARE(result(), " /");
}

// The pictures and the hand pointer are drawn at the screen's pixel ratio
// (this test runs at scale factors 1 and 2), sharp, not blown up.
void TestCalculator::pictures()
{
    const qreal ratio = qApp->devicePixelRatio();
    for (const char *name : {"imgPlus", "imgNeg", "imgMulti", "imgDiv", "imgEquals"}) {
        const QPixmap pixmap = label(name)->pixmap();
        QCOMPARE(pixmap.size(), QSize(32, 32) * ratio);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
        int partial = 0; // the plus sign's bar has no blurred edge
        for (int x = 0; name == QLatin1String("imgPlus") && x < pixmap.width(); ++x)
            partial += qAlpha(pixmap.toImage().pixel(x, pixmap.height() / 2)) % 255 != 0;
        QVERIFY(partial <= 2);
    }
    QCOMPARE(button("+")->icon().pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
    for (QPushButton *b : m_window->findChildren<QPushButton *>()) {
        const QCursor hand = b->cursor();
        QCOMPARE(hand.hotSpot(), QPoint(12, 1));
        QCOMPARE(hand.pixmap().size(), QSize(32, 32) * ratio);
        // The finger tip is drawn; the corner is clear.
        const QImage image = hand.pixmap().toImage();
        QVERIFY(qAlpha(image.pixel(QPoint(12, 1) * ratio)) > 0 && qAlpha(image.pixel(0, 0)) == 0);
    }
    QVERIFY(box("txtN1")->cursor().shape() != Qt::BitmapCursor);
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

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
