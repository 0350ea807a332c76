// The Decimals window, driven through its real widgets, in the C locale and
// in one with a decimal comma; and its nearest-sixty-fourth table.

#include "formkit.h"
#include "frmfract.h"
#include "guitest.h"
#include "linewidget.h"
#include "module1.h"
#include "sixtyfourths.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <numeric>

using namespace zarnith;
using namespace zarnith::test;

// The scenarios of the Decimals window, a data type of the test tables.
namespace zarnith::test {

const QString kNumbersOnly = QStringLiteral("Numbers ONLY!");
const QString kKeepSmall = QStringLiteral("COME ON NOW... Keep those numbers small please.");
const QString kReduceError = QStringLiteral("Error.......Numbers Only");
const QString kUntouched = QStringLiteral("<untouched>");

enum class Command { FracToDec, DecToFrac, Reduce, None };

// One step: what the person types into the four boxes (kUntouched leaves a
// box alone), then the command.
struct Step {
    QString whole, numerator, denominator, decimal;
    Command command;
};

// What the window shows at the end, and the messages on the way
// (kUntouched: the value is not checked).
struct Shown {
    QString whole, numerator, denominator, decimal, approx;
    QStringList messages;
};

struct Scenario {
    const char *name;
    QList<Step> steps;
    Shown shown;
};

const QString U = kUntouched;

} // namespace zarnith::test

namespace {

// The decimal texts are written with "."; each locale's separator replaces it.
QList<Scenario> allScenarios()
{
    using C = Command;
    return {
        // Fraction to decimal.
        {"3/8, whole box empty", {{"", "3", "8", U, C::FracToDec}}, {"0", "3", "8", ".375", "3/8", {}}},
        {"1 and 1/2", {{"1", "1", "2", U, C::FracToDec}}, {"1", U, U, "1.5", "> 63/64", {}}},
        {"2 and 4/2", {{"2", "4", "2", U, C::FracToDec}}, {"2", U, U, "4.", "> 63/64", {}}},
        {"1/3 is eleven characters", {{"0", "1", "3", U, C::FracToDec}}, {U, U, U, ".3333333333", "21/64", {}}},
        {"2/3", {{"0", "2", "3", U, C::FracToDec}}, {U, U, U, ".6666666667", "43/64", {}}},
        {"-2 and 1/4 is added, no sixty-fourth", {{"-2", "1", "4", U, C::FracToDec}}, {U, U, U, "-1.75", "", {}}},
        {"1.3 x 4 floored", {{"1.3", "1", "4", U, C::FracToDec}}, {U, U, U, "1.5", "> 63/64", {}}},
        {"-1 and 1/1 is zero", {{"-1", "1", "1", U, C::FracToDec}}, {U, U, U, ".", "< 1/64", {}}},
        {"right after load", {{U, U, U, U, C::FracToDec}}, {"0", "0", "0", "", "< 1/64", {}}},
        {"denominator 0 keeps the decimal",
         {{"0", "3", "8", U, C::FracToDec}, {U, U, "0", U, C::FracToDec}}, {U, U, U, ".375", "3/8", {}}},
        {"denominator -4", {{"0", "1", "2", U, C::FracToDec}, {U, U, "-4", U, C::FracToDec}},
         {U, U, U, ".5", "1/2", {}}},
        {"numerator -1", {{"0", "1", "4", U, C::FracToDec}, {U, "-1", U, U, C::FracToDec}},
         {U, U, U, ".25", "1/4", {}}},
        {"whole number alone", {{"5", "0", "4", U, C::FracToDec}}, {"5", U, U, "", "< 1/64", {}}},
        {"float numerator 0.1", {{"0", "0.1", "1", U, C::FracToDec}}, {U, U, U, ".1000000015", U, {}}},
        {"float numerator 16777217", {{"0", "16777217", "1", U, C::FracToDec}}, {U, U, U, "16777216.", U, {}}},
        {"letters in the numerator", {{"", "abc", "2", U, C::FracToDec}},
         {"0", U, U, "", "", {"Numbers ONLY!  Check you Numerator"}}},
        {"only the numerator message", {{"0", "x", "y", U, C::FracToDec}},
         {U, U, U, U, U, {"Numbers ONLY!  Check you Numerator"}}},
        {"a fraction is not numeric", {{"0", "1/2", "3", U, C::FracToDec}},
         {U, U, U, U, U, {"Numbers ONLY!  Check you Numerator"}}},
        {"blanks are not empty", {{"0", "  ", "3", U, C::FracToDec}},
         {U, U, U, U, U, {"Numbers ONLY!  Check you Numerator"}}},
        {"denominator message", {{"0", "1", "z", U, C::FracToDec}},
         {U, U, U, U, U, {"Numbers ONLY!  Check you Denominator"}}},
        {"whole number message", {{"a", "1", "2", U, C::FracToDec}},
         {"a", U, U, "", "", {"Numbers ONLY!  Check you Whole Number"}}},
        {"numerator beyond the float range", {{"0", "1e39", "1", U, C::FracToDec}},
         {U, U, U, "", "", {kKeepSmall}}},
        {"product beyond the float range", {{"1e9", "1", "1e30", U, C::FracToDec}},
         {U, U, U, "", "", {kKeepSmall}}},
        {"empty numerator does nothing", {{"", "", "4", U, C::FracToDec}}, {"", "", "4", "", "", {}}},

        // Decimal to fraction.
        {"0.5", {{U, U, U, "0.5", C::DecToFrac}}, {"0", "1", "2", "0.5", "1/2", {}}},
        {"0.35", {{U, U, U, "0.35", C::DecToFrac}}, {"0", "7", "20", U, "11/32", {}}},
        {"0.015625", {{U, U, U, "0.015625", C::DecToFrac}}, {"0", "1", "64", U, "1/64", {}}},
        {"2.75", {{U, U, U, "2.75", C::DecToFrac}}, {"2", "3", "4", U, "> 63/64", {}}},
        {"1 writes whole 0", {{"7", U, U, "1", C::DecToFrac}}, {"0", "1", "1", U, "> 63/64", {}}},
        {"3", {{U, U, U, "3", C::DecToFrac}}, {"3", "", "1", U, "> 63/64", {}}},
        {"0", {{U, U, U, "0", C::DecToFrac}}, {"0", "", "1", U, "< 1/64", {}}},
        {"100.01 as a float", {{U, U, U, "100.01", C::DecToFrac}}, {"100", "781", "78125", U, U, {}}},
        {"0.3333333", {{U, U, U, "0.3333333", C::DecToFrac}}, {"0", "3333333", "10000000", U, "21/64", {}}},
        {"0.12345678 to seven places", {{U, U, U, "0.12345678", C::DecToFrac}}, {"0", "154321", "1250000", U, U, {}}},
        {"0.00000005 rounds to even", {{U, U, U, "5e-8", C::DecToFrac}}, {"0", "", "1", U, "< 1/64", {}}},
        {"0.00000006", {{U, U, U, "6e-8", C::DecToFrac}}, {"0", "1", "10000000", U, U, {}}},
        {"-0.5 has no sixty-fourth", {{U, U, U, "0.5", C::DecToFrac}, {U, U, U, "-0.5", C::DecToFrac}},
         {"0", "-1", "2", U, "", {}}},
        {"-1.5 is not split", {{U, U, U, "-1.5", C::DecToFrac}}, {"0", "-3", "2", U, "", {}}},
        {"0.5 after 1.5 clears the whole", {{U, U, U, "1.5", C::DecToFrac}, {U, U, U, "0.5", C::DecToFrac}},
         {"0", "1", "2", U, "1/2", {}}},
        {"1 after 2.75", {{U, U, U, "2.75", C::DecToFrac}, {U, U, U, "1", C::DecToFrac}}, {"0", "1", "1", U, U, {}}},
        {"letters", {{U, U, U, "abc", C::DecToFrac}}, {"0", "0", "0", "", "", {kNumbersOnly}}},
        {"separator alone", {{U, U, U, ".", C::DecToFrac}}, {"0", "0", "0", "", "", {kNumbersOnly}}},
        {"300 is outside the method",
         {{U, U, U, "0.5", C::DecToFrac}, {U, U, U, "300", C::DecToFrac}}, {"0", "1", "2", "300", "1/2", {kKeepSmall}}},
        {"214.75 is outside the method", {{U, U, U, "214.75", C::DecToFrac}}, {"0", "0", "0", "214.75", "", {kKeepSmall}}},
        {"200 is inside", {{U, U, U, "200", C::DecToFrac}}, {"200", "", "1", U, "> 63/64", {}}},
        {"-214.7 as a float", {{U, U, U, "-214.7", C::DecToFrac}}, {"0", "-16773438", "78125", U, "", {}}},
        {"empty decimal does nothing", {{U, U, U, "", C::DecToFrac}}, {"0", "0", "0", "", "", {}}},

        // Reduce.
        {"denominator 0 rewrites the numerator", {{"5", "007", "0", U, C::Reduce}}, {"5", "7", "0", U, U, {}}},
        {"1e3 over 0", {{U, "1e3", "0", U, C::Reduce}}, {"0", "1000", "0", U, U, {}}},
        {"sign to the numerator", {{"0", "3", "-6", U, C::Reduce}}, {"0", "-1", "2", U, U, {}}},
        {"8/4 with whole 1", {{"1", "8", "4", U, C::Reduce}}, {"3", "0", "0", U, U, {}}},
        {"0/5", {{"0", "0", "5", U, C::Reduce}}, {"0", "0", "0", U, U, {}}},
        {"typed whole number is kept", {{"2", "2", "4", U, C::Reduce}}, {"2", "1", "2", U, U, {}}},
        {"carry onto the typed whole", {{"1", "7", "2", U, C::Reduce}}, {"4", "1", "2", U, U, {}}},
        {"negative improper is not carried", {{"0", "-7", "2", U, C::Reduce}}, {"0", "-7", "2", U, U, {}}},
        {"after 2.75 the box, not the quotient",
         {{U, U, U, "2.75", C::DecToFrac}, {U, "6", "8", U, C::Reduce}}, {"2", "3", "4", U, U, {}}},
        {"halves to even: 5 over 2.5", {{"0", "5", "2.5", U, C::Reduce}}, {"2", "0", "0", U, U, {}}},
        {"halves to even: 7 over 3.5", {{"0", "7", "3.5", U, C::Reduce}}, {"1", "0", "0", U, U, {}}},
        {"letters", {{"0", "abc", "5", U, C::Reduce}}, {"0", "abc", "5", U, U, {kReduceError}}},
        {"empty numerator", {{"0", "", "5", U, C::Reduce}}, {"0", "", "5", U, U, {kReduceError}}},
        {"denominator 0.4", {{"0", "1", "0.4", U, C::Reduce}}, {"0", "1", "0.4", U, U, {kReduceError}}},
        {"3e9 overflows", {{"0", "3e9", "1", U, C::Reduce}}, {"0", "3e9", "1", U, U, {kReduceError}}},
        {"empty whole number", {{"", "1", "2", U, C::Reduce}}, {"", "1", "2", U, U, {kReduceError}}},
        {"letters as whole number", {{"x", "1", "2", U, C::Reduce}}, {"x", "1", "2", U, U, {kReduceError}}},
        {"empty whole with denominator 0", {{"", "3", "0", U, C::Reduce}}, {"", "3", "0", U, U, {}}},
    };
}

const QLocale kGerman(QLocale::German, QLocale::Germany);

QString localized(QString text)
{
    return text == kUntouched ? text : text.replace(u'.', QLocale().decimalPoint());
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestFrmFract : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sixtyFourths_data();
    void sixtyFourths();
    void scenarios_data();
    void scenarios();
    void namesAndLayout();
    void menus();
    void menuEntriesPressButtons();
    void clear();
    void selectOnFocus();
    void inputLimits();
    void longTextsShownWhole();
    void enterAndEscapePressNothing();
    void tabOrder();
    void webAddress();
    void messageBoxes();

private:
    template <class T>
    T *child(const char *name) const
    {
        return named<T>(m_window.get(), name);
    }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QStringList boxes() const;
    void run(Command command);

    std::unique_ptr<Module1> m_engine;
    std::unique_ptr<FrmFract> m_window;
};

void TestFrmFract::initTestCase()
{
    quietPlatformWarnings();
}

void TestFrmFract::init()
{
    m_engine = std::make_unique<Module1>();
    m_engine->varResultDenominator = Variant::int16(7);
    m_window = std::make_unique<FrmFract>(*m_engine);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestFrmFract::cleanup()
{
    m_window.reset();
    m_engine.reset();
    QLocale::setDefault(QLocale::c());
}

QStringList TestFrmFract::boxes() const
{
    return {box("txtWholeNum")->text(), box("txtNumerator")->text(), box("txtDenominator")->text(),
            box("txtDecimal")->text(), child<QLabel>("Label2")->text()};
}

void TestFrmFract::run(Command command)
{
    const char *names[] = {"cmdResult0", "cmdResult1", "cmdReduce"};
    if (command == Command::None)
        return;
    QTest::mouseClick(button(names[int(command)]), Qt::LeftButton);
}

void TestFrmFract::sixtyFourths_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0.0 << "< 1/64";
    QTest::newRow("0.0078124") << 0.0078124 << "< 1/64";
    QTest::newRow("gap below 1/128 takes row 0") << 0.00781245 << "< 1/64";
    QTest::newRow("1/128 goes up") << 0.0078125 << "1/64";
    QTest::newRow("boundary takes the lower row") << 0.0234375 << "1/64";
    QTest::newRow("gap takes the nearer, upper row") << 0.02343755 << "1/32";
    QTest::newRow("0.0234376") << 0.0234376 << "1/32";
    QTest::newRow("0.375") << 0.375 << "3/8";
    QTest::newRow("0.5") << 0.5 << "1/2";
    QTest::newRow("0.5078125") << 0.5078125 << "1/2";
    QTest::newRow("0.5078126") << 0.5078126 << "33/64";
    QTest::newRow("0.65625") << 0.65625 << "21/32";
    QTest::newRow("0.984375") << 0.984375 << "63/64";
    QTest::newRow("0.9921875") << 0.9921875 << "63/64";
    QTest::newRow("0.99219") << 0.99219 << "> 63/64";
    QTest::newRow("1") << 1.0 << "> 63/64";
    QTest::newRow("2.75") << 2.75 << "> 63/64";
    QTest::newRow("negative has none") << -0.25 << "";
    QTest::newRow("just below zero") << -1e-300 << "";
}

void TestFrmFract::sixtyFourths()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(nearestSixtyFourth(value), text);
    // Every row k/64 shows itself, in lowest terms.
    for (int k = 1; k < 64; ++k) {
        const QString row = nearestSixtyFourth(k / 64.0);
        const int slash = int(row.indexOf(u'/'));
        const int n = row.left(slash).toInt();
        const int d = row.mid(slash + 1).toInt();
        QCOMPARE(n * 64, k * d);
        QCOMPARE(std::gcd(n, d), 1);
    }
}

void TestFrmFract::scenarios_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Scenario>("scenario");
    for (const Scenario &s : allScenarios()) {
        QTest::newRow(s.name) << QLocale::c() << s;
        QTest::newRow(QByteArray(s.name) + " [de]") << kGerman << s;
    }
}

void TestFrmFract::scenarios()
{
    QFETCH(QLocale, locale);
    QFETCH(Scenario, scenario);
    QLocale::setDefault(locale);

    QStringList messages;
    for (const Step &step : scenario.steps) {
        const std::pair<const char *, QString> typed[] = {
            {"txtWholeNum", step.whole}, {"txtNumerator", step.numerator},
            {"txtDenominator", step.denominator}, {"txtDecimal", step.decimal}};
        for (const auto &[name, text] : typed) {
            if (text != kUntouched)
                typeInto(box(name), localized(text));
        }
        for (const ShownMessage &m : messagesDuring([&] { run(step.command); }))
            messages << m.text;
    }
    const Shown &expected = scenario.shown;
    const QStringList wanted = {expected.whole, expected.numerator, expected.denominator,
                                expected.decimal, expected.approx};
    const QStringList shown = boxes();
    for (int i = 0; i < wanted.size(); ++i) {
        if (wanted[i] != kUntouched)
            QCOMPARE(shown[i], localized(wanted[i]));
    }
    QCOMPARE(messages, expected.messages);
}

void TestFrmFract::namesAndLayout()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmFract"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Decimals"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->centralWidget()->size(), QSize(359, 160));

    struct Placed {
        const char *name, *container;
        QRect pixels;
    };
    const Placed placed[] = {
        {"Frame3", "client", QRect(4, 7, 139, 48)},
        {"txtDecimal", "Frame3", QRect(9, 13, 120, 28)},
        {"Frame2", "client", QRect(170, 2, 180, 67)},
        {"txtNumerator", "Frame2", QRect(95, 13, 70, 19)},
        {"txtDenominator", "Frame2", QRect(95, 41, 70, 19)},
        {"txtWholeNum", "Frame2", QRect(9, 14, 73, 46)},
        {"Frame1", "client", QRect(170, 66, 180, 75)},
        {"cmdResult1", "Frame1", QRect(118, 16, 54, 50)},
        {"cmdResult0", "Frame1", QRect(59, 16, 54, 50)},
        {"cmdReduce", "Frame1", QRect(8, 45, 46, 22)},
        {"cmdClear", "Frame1", QRect(8, 16, 46, 20)},
    };
    for (const Placed &p : placed) {
        QWidget *w = child<QWidget>(p.name);
        QVERIFY2(w, p.name);
        QCOMPARE(w->parentWidget()->objectName(), QString::fromLatin1(p.container));
        QCOMPARE(w->geometry(), p.pixels);
    }
    QCOMPARE(child<QGroupBox>("Frame3")->title(), QStringLiteral("Decimal"));
    QCOMPARE(child<QGroupBox>("Frame2")->title(), QStringLiteral("Fraction"));
    QCOMPARE(child<QGroupBox>("Frame3")->font().pointSizeF(), 6.79);
    QCOMPARE(box("txtDecimal")->font().pointSizeF(), 12.23);
    QCOMPARE(box("txtNumerator")->font().pointSizeF(), 7.47);
    QCOMPARE(box("txtWholeNum")->font().pointSizeF(), 21.74);
    QCOMPARE(box("txtDecimal")->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(box("txtNumerator")->alignment(), Qt::AlignCenter);
    QCOMPARE(button("cmdResult1")->text(), QStringLiteral("Decimal to Fraction"));
    QCOMPARE(button("cmdResult0")->text(), QStringLiteral("Fraction to Decimal"));
    QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("Approximate:"));
    // The equals sign: two lines, 2 pixels thick; the fraction bar 3.
    QCOMPARE(child<LineWidget>("Line2_0")->geometry(), QRect(149, 32, 12, 2));
    QCOMPARE(child<LineWidget>("Line2_1")->geometry(), QRect(149, 38, 12, 2));
    QCOMPARE(child<LineWidget>("Line1")->geometry(), QRect(93, 35, 75, 3));
    // The four buttons: no special pointer, none the default.
    for (QPushButton *b : m_window->findChildren<QPushButton *>()) {
        QVERIFY(b->cursor().shape() != Qt::BitmapCursor);
        QVERIFY(!b->isDefault() && !b->autoDefault());
    }
    // The load: 0 in three boxes, the engine's result denominator 0.
    QCOMPARE(boxes(), QStringList({"0", "0", "0", "", ""}));
    QCOMPARE(m_engine->varResultDenominator.number(), 0.0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("txtNumerator")));
}

void TestFrmFract::menus()
{
    const struct {
        const char *name, *caption;
        QKeySequence shortcut;
    } entries[] = {
        {"mnuFractions", "&Fractions", kOtherWindowShortcut},
        {"mnuExit", "&Exit", {}},
        {"mnuReduce", "&Reduce", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"mnuFracToDec", "&Fraction to Decimal", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"mnuDecToFrac", "&Decimal To Fraction", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"mnuClear", "&Clear", {}},
        {"mnuContets", "&Contents", QKeySequence(Qt::Key_F1)},
        {"mnuAbout", "&About", QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
    for (const auto &e : entries) {
        auto *action = child<QAction>(e.name);
        QVERIFY2(action, e.name);
        QCOMPARE(action->text(), QString::fromLatin1(e.caption));
        QCOMPARE(action->shortcut(), e.shortcut);
    }
    QStringList bar;
    for (QAction *a : m_window->menuBar()->actions())
        bar << a->menu()->objectName();
    QCOMPARE(bar, QStringList({"mnuFile", "mnuFunctions", "mnuHelp"}));
}

void TestFrmFract::menuEntriesPressButtons()
{
    // The shortcuts work from inside a box, where the box has keys of its own.
    typeInto(box("txtNumerator"), "3");
    typeInto(box("txtDenominator"), "8");
    QTest::keyClick(box("txtDenominator"), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(box("txtDecimal")->text(), QStringLiteral(".375"));

    typeInto(box("txtDecimal"), "2.75");
    QTest::keyClick(box("txtDecimal"), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(boxes(), QStringList({"2", "3", "4", "2.75", "> 63/64"}));

    typeInto(box("txtNumerator"), "6");
    typeInto(box("txtDenominator"), "8");
    QTest::keyClick(box("txtNumerator"), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(boxes().mid(0, 3), QStringList({"2", "3", "4"}));

    // A message from a menu entry is the button's message.
    typeInto(box("txtDecimal"), "x");
    const auto messages = messagesDuring([&] {
        QTest::keyClick(box("txtDecimal"), Qt::Key_F, Qt::ControlModifier);
    });
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, kNumbersOnly);

    // Clear from the Functions menu.
    QVERIFY(chooseMenuEntry(m_window.get(), "mnuFunctions", "mnuClear"));
    QCOMPARE(boxes(), QStringList({"0", "0", "0", "", ""}));
}

void TestFrmFract::clear()
{
    typeInto(box("txtDecimal"), "1.5");
    QTest::mouseClick(button("cmdResult1"), Qt::LeftButton);
    typeInto(box("txtWholeNum"), "9");
    QCOMPARE(boxes(), QStringList({"9", "1", "2", "1.5", "> 63/64"}));
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(boxes(), QStringList({"0", "0", "0", "", ""}));
    QCOMPARE(m_window->dblDecimal, 0.0);
    QCOMPARE(m_window->varWholeNum.kind(), Variant::Kind::Int16);
    QVERIFY(m_window->strApprox.isEmpty());
    // After Clear a value with no sixty-fourth leaves the display empty.
    typeInto(box("txtDecimal"), "-0.25");
    QTest::mouseClick(button("cmdResult1"), Qt::LeftButton);
    QCOMPARE(child<QLabel>("Label2")->text(), QString());
}

void TestFrmFract::selectOnFocus()
{
    typeInto(box("txtWholeNum"), "");
    typeInto(box("txtDecimal"), "12.5");
    QTest::mouseClick(box("txtNumerator"), Qt::LeftButton);
    QTest::keyClick(box("txtNumerator"), Qt::Key_Tab);
    QTest::keyClick(box("txtDenominator"), Qt::Key_Tab);
    // An empty box: nothing to select, nothing raised.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("txtWholeNum")));
    QCOMPARE(box("txtWholeNum")->selectionLength(), 0);
    QTest::keyClick(box("txtWholeNum"), Qt::Key_Tab);
    QLineEdit *decimal = box("txtDecimal");
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(decimal));
    QCOMPARE(decimal->selectedText(), QStringLiteral("12.5"));
    QTest::keyClicks(decimal, "3");
    QCOMPARE(decimal->text(), QStringLiteral("3"));
}

void TestFrmFract::inputLimits()
{
    const struct {
        const char *name;
        int limit;
    } limits[] = {{"txtDecimal", 10}, {"txtNumerator", 8}, {"txtDenominator", 9}, {"txtWholeNum", 3}};
    for (const auto &l : limits) {
        typeInto(box(l.name), "1234567890123");
        QCOMPARE(box(l.name)->text(), QStringLiteral("1234567890123").left(l.limit));
    }
}

void TestFrmFract::longTextsShownWhole()
{
    typeInto(box("txtWholeNum"), "0");
    typeInto(box("txtNumerator"), "1");
    typeInto(box("txtDenominator"), "3");
    QTest::mouseClick(button("cmdResult0"), Qt::LeftButton);
    QLineEdit *decimal = box("txtDecimal");
    QCOMPARE(decimal->text(), QStringLiteral(".3333333333"));
    QVERIFY(decimal->fontMetrics().horizontalAdvance(decimal->text()) < decimal->width() - 4);
    // A float written in exponent form into the eight-character box.
    typeInto(box("txtNumerator"), "16777217");
    typeInto(box("txtDenominator"), "0");
    QTest::mouseClick(button("cmdReduce"), Qt::LeftButton);
    QCOMPARE(box("txtNumerator")->text(), QStringLiteral("1.677722E+07"));
    QVERIFY(box("txtNumerator")->fontMetrics().horizontalAdvance("1.677722E+07")
            < box("txtNumerator")->width() - 4);
}

void TestFrmFract::enterAndEscapePressNothing()
{
    typeInto(box("txtNumerator"), "1");
    typeInto(box("txtDenominator"), "4");
    for (QWidget *w : {static_cast<QWidget *>(box("txtDenominator")),
                       static_cast<QWidget *>(button("cmdResult0"))}) {
        w->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(w, key);
    }
    QCOMPARE(boxes(), QStringList({"0", "1", "4", "", ""}));
}

void TestFrmFract::tabOrder()
{
    QTest::mouseClick(box("txtNumerator"), Qt::LeftButton);
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"txtDenominator", "txtWholeNum", "txtDecimal", "cmdClear",
                                   "cmdReduce", "cmdResult0", "cmdResult1", "txtNumerator"}));
}

void TestFrmFract::webAddress()
{
    auto *label = child<QLabel>("Label1");
    QVERIFY(label->text().contains(QLatin1String("example.org")));
    QVERIFY(!label->text().contains(u'\n'));
    QCOMPARE(label->cursor().shape(), Qt::WhatsThisCursor);
    QSignalSpy clicked(m_window.get(), &FrmFract::webAddressClicked);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void TestFrmFract::messageBoxes()
{
    typeInto(box("txtDecimal"), "abc");
    const auto messages = messagesDuring([&] { QTest::mouseClick(button("cmdResult1"), Qt::LeftButton); });
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].caption, QStringLiteral("Zarnith"));
    QVERIFY(!messages[0].hasIcon);
    QCOMPARE(messages[0].buttonCount, 1);
    QVERIFY(messages[0].modal);
}

QTEST_MAIN(TestFrmFract)
#include "tst_frmfract.moc"
