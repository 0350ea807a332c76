// The Decimals window through its real widgets, in the C locale and in German ("." in a case: the decimal comma).

#include "answerlabel.h"
#include "frmfract.h"
#include "harness.h"
#include "module1.h"
#include <QtTest>
#include <QtWidgets>

using namespace zarnith;
using namespace zarnith::test;

// typed: whole numerator/denominator decimal and a command (button, key in the box typed last, menu entry), steps
// by ";"; "*" leaves a box alone, "_" empties it, "~" is a blank | the boxes then ("*": not looked at) | nearest 64th
// | the message | what a reader is told and reads as the result ("_": none) | what Ctrl+C copies ("_": what it held).
const char *const kScenarios = R"(
    _ 3/8 * F→D                     | 0 3/8 .375         | 3/8
    1 1/2 * F→D                     | 1 */* 1.5          | > 63/64
    2 4/2 * F→D                     | 2 */* 4.           | > 63/64
    0 1/3 * Ctrl+D                  | * */* .3333333333  | 21/64   |   | .3333333333, nearest sixty-fourth 21/64 | .3333333333
    0 2/3 * F→D                     | * */* .6666666667  | 43/64
    -2 1/4 * F→D                    | * */* -1.75        | _       |   | -1.75
    1.3 1/4 * F→D                   | * */* 1.5          | > 63/64
    -1 1/1 * F→D                    | * */* .            | < 1/64
    * */* * F→D                     | 0 0/0 _            | _
    0 3/8 * F→D; * */0 * F→D        | * */* _            | _       |   |   | _
    0 1/2 * F→D; * */-4 * F→D       | * */* _            | _
    0 1/4 * F→D; * -1/* * F→D       | * */* _            | _
    5 0/4 * F→D                     | 5 */* _            | _
    0 0.1/1 * F→D                   | * */* .1           | 3/32    |   |   | .1
    0 16777217/1 * F→D              | * */* 16777217.    | *
    _ abc/2 * F→D                   | 0 */* _            | _ | Numbers ONLY!  Check you Numerator
    0 x/y * F→D                     | * */* *            | * | Numbers ONLY!  Check you Numerator
    0 ~~/3 * F→D                    | * */* *            | * | Numbers ONLY!  Check you Numerator
    0 1/z * F→D                     | * */* *            | * | Numbers ONLY!  Check you Denominator
    a 1/2 * Ctrl+D                  | a */* _            | _ | Numbers ONLY!  Check you Whole Number
    0 1e39/1 * F→D                  | * */* _            | _ | COME ON NOW... Keep those numbers small please.
    0 1e400/1 * F→D                 | * */* _            | _ | COME ON NOW... Keep those numbers small please.
    1e9 1/1e30 * F→D                | * */* _            | _ | COME ON NOW... Keep those numbers small please.
    0 3/2e-320 * F→D                | * */* _            | _ | COME ON NOW... Keep those numbers small please.
    _ _/4 * F→D                     | _ _/4 _            | _
    * */* 0.35 D→F                  | 0 7/20 *           | 11/32
    * */* 2.75 Ctrl+F               | 2 3/4 2.75         | > 63/64 |   | 2 3/4, nearest sixty-fourth more than 63/64 | 2 3/4
    7 */* 1 D→F                     | 0 1/1 *            | > 63/64
    * */* 3 D→F                     | 3 _/1 *            | > 63/64
    * */* 0 D→F                     | 0 _/1 *            | < 1/64  |   | 0, nearest sixty-fourth less than 1/64
    * */* 100.01 D→F                | 100 1/100 *        | *       |   |   | 100 1/100
    * */* 0.12345678 D→F            | 0 154321/1250000 * | *
    * */* 5e-8 D→F                  | 0 _/1 *            | < 1/64
    * */* -1.5 D→F                  | 0 -3/2 *           | _
    * */* 1.5 D→F; * */* 0.5 D→F    | 0 1/2 0.5          | 1/2
    * */* 214.7 D→F                 | 214 7/10 *         | > 63/64
    * */* abc D→F                   | 0 0/0 _            | _ | Numbers ONLY!         | _
    * */* . Ctrl+F                  | 0 0/0 _            | _ | Numbers ONLY!
    * */* 0.5 D→F; * */* 300 D→F    | 0 1/2 300          | 1/2 | COME ON NOW... Keep those numbers small please.
    * */* 214.75 D→F                | 0 0/0 214.75       | _ | COME ON NOW... Keep those numbers small please.
    * */* 1e400 D→F                 | 0 0/0 1e400        | _ | COME ON NOW... Keep those numbers small please.
    * */* _ D→F                     | 0 0/0 _            | _
    5 1e3/0 * Reduce                | 5 1000/0 *         | *
    0 3/-6 * Ctrl+R                 | 0 -1/2 *           | *       |   | -1/2 | -1/2
    1 8/4 * Reduce                  | 3 0/0 *            | *       |   | 3    | 3
    0 0/5 * Reduce                  | 0 0/0 *            | *
    1 7/2 * Reduce                  | 4 1/2 *            | *
    0 -7/2 * Reduce                 | 0 -7/2 *           | *
    * */* 2.75 D→F; * 6/8 * Reduce  | 2 3/4 2.75         | > 63/64
    * */* 2.75 D→F; 1 7/2 * Reduce  | 4 1/2 _            | _       |   | 4 1/2 | 4 1/2
    * */* 0.75 D→F; * 6/8 * Reduce  | 0 3/4 0.75         | 3/4
    0 3/8 * F→D; * 6/8 * Reduce     | 0 3/4 _            | _
    0 3/8 * F→D; * 3/8 * Reduce     | 0 3/8 .375         | 3/8
    * 6/8 2.75 Reduce               | 0 3/4 2.75         | _
    0 5/2.5 * Reduce                | 2 0/0 *            | *
    0 16777217/0 * Reduce           | 0 16777217/0 *     | *
    0 abc/5 * Reduce                | 0 abc/5 *          | * | Error.......Numbers Only | _ | _
    0 _/5 * Reduce                  | 0 _/5 *            | * | Error.......Numbers Only
    0 1/0.4 * Reduce                | 0 1/0.4 *          | * | Error.......Numbers Only
    0 3e9/1 * Ctrl+R                | 0 3e9/1 *          | * | Error.......Numbers Only
    _ 1/2 * Reduce                  | _ 1/2 *            | * | Error.......Numbers Only
    _ 3/0 * Reduce                  | _ 3/0 *            | *
    * */* 1.5 D→F; 9 */* * Clear    | 0 0/0 _            | _       |   | Cleared | _
    * */* 1.5 D→F; * */* * Functions>Clear | 0 0/0 _     | _
    * */4 12.5 Return; * */4 * Enter; * */* * Esc | 0 0/4 12.5 | _
)";

// A desktop's window, box and text colours | the fields in its own box colour, or a shade of the window's.
const char *const kDesktops = R"(
    efefef ffffff 000000 | own
    2a2a2a 1d1d1d eeeeee | own
    323232 353535 ffffff | shade
    ffffff ffffff 000000 | shade
    000000 000000 ffffff | shade
)";
const QStringList kFields = {"txtWholeNum", "txtNumerator", "txtDenominator", "txtDecimal", "Label2"};
const QMap<QString, QString> kButtons = {{"F→D", "cmdResult0"}, {"D→F", "cmdResult1"}}; // else cmd and the name

class TestDecimals : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setPalette(QApplication::style()->standardPalette());
        m_engine.varResultDenominator = Variant::int16(7);
        QVERIFY(showActive((m_window = std::make_unique<FrmFract>(m_engine)).get()));
        m_answerAtLoad = child("lblAnswer")->geometry();
    }
    void scenarios_data() { addCases(kScenarios, {"C: ", "de: "}); }
    void scenarios()
    {
        QFETCH(QString, line);
        QLocale::setDefault(QLocale(line.section(u':', 0, 0)));
        QStringList c = columns(line.section(u':', 1).replace(u'.', QLocale().decimalPoint()), 6), messages;
        for (const QString &step : c[0].split(u';')) {
            const QStringList typed = step.split(QRegularExpression("[ /]"), Qt::SkipEmptyParts);
            for (int i = 0; i < 4; ++i)
                if (typed[i] != u"*")
                    typeInto(box(i), typed[i]);
            messages << messagesDuring([&] {
                if (child(kButtons.value(typed[4], "cmd" + typed[4])))
                    press(kButtons.value(typed[4], "cmd" + typed[4]));
                else if (typed[4].contains(u'>'))
                    chooseMenuEntry(m_window.get(), "mnuFunctions", "mnuClear");
                else
                    QTest::keySequence(QApplication::focusWidget(), QKeySequence(typed[4]));
            });
        }
        QStringList shown = texts(), expected = c[1].split(QRegularExpression("[ /]"), Qt::SkipEmptyParts) << c[2];
        for (int i = 0; i < 5; ++i)
            shown[i] = expected[i] == u"*" ? "*" : shown[i].isEmpty() ? "_" : shown[i];
        QCOMPARE(shown, expected);
        QCOMPARE(messages.replaceInStrings(".", QLocale().decimalPoint()),
                 c[3].isEmpty() ? QStringList() : QStringList{c[3]});
        auto *answer = named<AnswerLabel>(m_window.get(), "lblAnswer");
        if (!c[4].isEmpty()) {
            QCOMPARE(spoken(m_window.get()), c[4] == u"_" ? "" : c[4]);
            QCOMPARE(answer->accessibleName(), "Result: " + (c[4] == u"_" || c[4] == u"Cleared" ? "none" : c[4]));
        }
        const bool decimal = answer->answer().contains(QLocale().decimalPoint()), none = answer->answer().isEmpty();
        const QRect frame = answer->geometry(), place = child(decimal ? "Frame3" : "Frame2")->geometry();
        QVERIFY(none ? frame == m_answerAtLoad // without an answer, the frame in its own place
                     : frame.contains(place) && !frame.intersects(child(decimal ? "Frame2" : "Frame3")->geometry()));
        if (!c[5].isEmpty()) {
            QApplication::clipboard()->setText("held");
            QTest::keySequence(m_window->focusWidget(), QKeySequence::Copy);
            QCOMPARE(QApplication::clipboard()->text(), c[5] == u"_" ? "held" : c[5]);
        }
    }
    // The load, re-activation, Decimal to Fraction's working value, Label2 copied and blank, the lines' colour.
    void behaviour()
    {
        QCOMPARE(texts() << m_engine.varResultDenominator.toText(), QStringList({"0", "0", "0", "", "", "0"}));
        QCOMPARE(QApplication::focusWidget(), box(1));
        QCOMPARE(chooseOnlyContextEntry(child("Label2")), "&Copy, disabled");
        typeInto(box(3), "12.5");
        QWidget other;
        QVERIFY(showActive(&other) && showActive(m_window.get()));
        QCOMPARE(box(3)->selectedText(), "12.5"); // the box that had the focus, active again
        const QImage atLoad = m_window->centralWidget()->grab(QRect(79, 92, 6, 20)).toImage();
        press("cmdResult1");
        QCOMPARE(m_window->values().varWholeNum.toText(), "12.5"); // the whole quotient
        QCOMPARE(chooseOnlyContextEntry(child("Label2")), "&Copy");
        QCOMPARE(QApplication::clipboard()->text(), "> 63/64");
        press("cmdClear");
        QCOMPARE(m_window->centralWidget()->grab(QRect(79, 92, 6, 20)).toImage(), atLoad);
        QCOMPARE(atLoad.pixelColor(3, 3), m_window->palette().color(QPalette::Window)); // the empty field: nothing
        for (const auto &[window, text, drawn] : {std::array{"#fff", "#a0a0a4", "#000"}, {"#222", "#ddd", "#ddd"}}) {
            QPalette colors{QColor(window)}; // its window and buttons
            colors.setColor(QPalette::WindowText, text);
            colors.setColor(QPalette::Inactive, QPalette::WindowText, "#808080"); // as themes grey text
            m_window->setPalette(colors);
            for (QWidget *active : {static_cast<QWidget *>(m_window.get()), &other}) {
                QVERIFY(showActive(active));
                QCOMPARE(child("Line1")->grab().toImage().pixelColor(child("Line1")->rect().center()), QColor(drawn));
            }
        }
    }
    void boxesStandOut_data() { addCases(kDesktops); }
    // Every box and the nearest sixty-fourth's field stand out from the window, their text readable.
    void boxesStandOut()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2), hex = c[0].split(u' ', Qt::SkipEmptyParts);
        QPalette desktop = QApplication::palette();
        for (int i = 0; i < 3; ++i)
            desktop.setColor(std::array{QPalette::Window, QPalette::Base, QPalette::Text}[i], u'#' + hex[i]);
        QApplication::setPalette(desktop);
        typeInto(box(3), "0.5");
        press("cmdResult1");
        QCoreApplication::processEvents(); // the new palette reaches the window
        const QImage shot = m_window->grab().toImage();
        for (const QString &name : kFields) {
            const QColor shown = shot.pixelColor( // at a point clear of the text
                child(name)->mapTo(m_window.get(), QPoint(3, name == "Label2" ? child(name)->height() - 1 : 3)));
            QVERIFY2(contrast(shown, desktop.window().color()) >= 1.1 && contrast(shown, desktop.text().color()) >= 4.5,
                     qPrintable(name));
            QCOMPARE(shown == desktop.base().color(), c[1] == u"own");
        }
    }

private:
    QWidget *child(const QString &name) const { return named<QWidget>(m_window.get(), name); }
    QLineEdit *box(int i) const { return named<QLineEdit>(m_window.get(), kFields[i]); }
    QString text(int i) const { return child(kFields[i])->property("text").toString(); }
    QStringList texts() const { return {text(0), text(1), text(2), text(3), text(4)}; }
    void press(const QString &button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    Module1 m_engine;
    std::unique_ptr<FrmFract> m_window;
    QRect m_answerAtLoad;
};

QTEST_MAIN(TestDecimals)
#include "tst_decimals.moc"
