// The Decimals window, driven through its real widgets, in the C locale and
// in German (decimal comma): its three conversions with the nearest
// sixty-fourth, its messages, and its boxes' behaviour.

#include "answerlabel.h"
#include "frmfract.h"
#include "harness.h"
#include "module1.h"

#include <QtTest>
#include <QtWidgets>

#include <array>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// typed: whole numerator/denominator decimal, then the command (a button,
// a shortcut pressed in the box typed last, or Functions>Clear); several
// steps with ";". "*" leaves a box alone, "_" empties it, "~" is a blank.
// | shown: the same boxes ("*" is not looked at) | the nearest sixty-fourth
// | the message on the way | what the screen reader is told, and reads again
// as the result ("_": nothing yet) | what Ctrl+C copies then ("_": nothing,
// the clipboard keeps what it held). A "." in a box, in what is told or in
// what is copied is the locale's separator.
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
    1e9 1/1e30 * F→D                | * */* _            | _ | COME ON NOW... Keep those numbers small please.
    _ _/4 * F→D                     | _ _/4 _            | _
    * */* 0.5 D→F                   | 0 1/2 0.5          | 1/2
    * */* 0.35 D→F                  | 0 7/20 *           | 11/32
    * */* 2.75 Ctrl+F               | 2 3/4 2.75         | > 63/64 |   | 2 3/4, nearest sixty-fourth more than 63/64 | 2 3/4
    7 */* 1 D→F                     | 0 1/1 *            | > 63/64
    * */* 3 D→F                     | 3 _/1 *            | > 63/64
    * */* 0 D→F                     | 0 _/1 *            | < 1/64  |   | 0, nearest sixty-fourth less than 1/64
    * */* 100.01 D→F                | 100 1/100 *        | *       |   |   | 100 1/100
    * */* 0.12345678 D→F            | 0 154321/1250000 * | *
    * */* 5e-8 D→F                  | 0 _/1 *            | < 1/64
    * */* 0.5 D→F; * */* -0.5 D→F   | 0 -1/2 *           | _
    * */* -1.5 D→F                  | 0 -3/2 *           | _
    * */* 1.5 D→F; * */* 0.5 D→F    | 0 1/2 *            | 1/2
    * */* -214.7 D→F                | 0 -2147/10 *       | _
    * */* 214.7 D→F                 | 214 7/10 *         | > 63/64
    * */* abc D→F                   | 0 0/0 _            | _ | Numbers ONLY!         | _
    * */* . Ctrl+F                  | 0 0/0 _            | _ | Numbers ONLY!
    * */* 0.5 D→F; * */* 300 D→F    | 0 1/2 300          | 1/2 | COME ON NOW... Keep those numbers small please.
    * */* 214.75 D→F                | 0 0/0 214.75       | _ | COME ON NOW... Keep those numbers small please.
    * */* _ D→F                     | 0 0/0 _            | _
    5 007/0 * Reduce                | 5 7/0 *            | *
    * 1e3/0 * Reduce                | 0 1000/0 *         | *
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
    0 1/2 * F→D; * 8/4 * Reduce     | 2 0/0 _            | _
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
)";

// A desktop's window, box and text colours | the boxes and the nearest sixty-fourth's field
// in the palette's own box colour or in a shade of the window's (where that hardly differs).
const char *const kDesktops = R"(
    efefef ffffff 000000 | own
    2a2a2a 1d1d1d eeeeee | own
    323232 353535 ffffff | shade
    ffffff ffffff 000000 | shade
    000000 000000 ffffff | shade
)";

const QStringList kBoxes = {"txtWholeNum", "txtNumerator", "txtDenominator", "txtDecimal"};
const QMap<QString, QString> kButtons = {
    {"F→D", "cmdResult0"}, {"D→F", "cmdResult1"}, {"Reduce", "cmdReduce"}, {"Clear", "cmdClear"}};

// "W n/d decimal" as the texts of the four boxes, in the locale.
QStringList boxTexts(const QString &written)
{
    const QStringList w = written.split(u' ', Qt::SkipEmptyParts);
    const qsizetype slash = w[1].lastIndexOf(u'/');
    QStringList texts = {w[0], w[1].left(slash), w[1].mid(slash + 1), w[2]};
    for (QString &text : texts)
        text.replace(u'.', QLocale().decimalPoint()).replace(u'~', u' ');
    return texts;
}

} // namespace

class TestDecimals : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_engine.varResultDenominator = Variant::int16(7);
        m_window = std::make_unique<FrmFract>(m_engine);
        QVERIFY(showActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        QLocale::setDefault(QLocale::c());
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    void scenarios_data() { addCases(kScenarios, {"", "de: "}); }
    void scenarios()
    {
        QFETCH(QString, line);
        const bool german = line.startsWith("de: ");
        QLocale::setDefault(german ? QLocale(QLocale::German) : QLocale::c());
        const QStringList c = columns(german ? line.mid(4) : line, 6);
        QStringList messages;
        for (const QString &step : c[0].split(u';')) {
            const QStringList typed = boxTexts(step);
            QLineEdit *last = box("txtNumerator");
            for (int i = 0; i < 4; ++i) {
                if (typed[i] != u"*")
                    typeInto(last = box(kBoxes[i]), typed[i]);
            }
            const QString command = step.section(u' ', -1);
            messages << messagesDuring([&] {
                if (kButtons.contains(command))
                    press(qPrintable(kButtons[command]));
                else if (command.contains(u'>'))
                    chooseMenuEntry(m_window.get(), "mnuFunctions", "mnuClear");
                else
                    QTest::keySequence(last, QKeySequence(command));
            });
        }
        const QStringList expected = boxTexts(c[1]) << c[2];
        for (int i = 0; i < 5; ++i) {
            if (expected[i] != u"*")
                QCOMPARE(shown(i), expected[i] == u"_" ? "" : expected[i]);
        }
        QCOMPARE(messages.join(u'\n'), c[3]);
        const auto local = [](QString text) {
            return text == u"_" ? QString() : text.replace(u'.', QLocale().decimalPoint());
        };
        if (!c[4].isEmpty()) {
            QCOMPARE(spoken(m_window.get()), local(c[4]));
            const QString again = c[4] == u"_" || c[4] == u"Cleared" ? "none" : local(c[4]);
            QCOMPARE(named<QWidget>(m_window.get(), "lblAnswer")->accessibleName(), "Result: " + again);
        }
        // Tab's frame around the place where the answer stands: the decimal or the fraction.
        const QRect frame = named<QWidget>(m_window.get(), "lblAnswer")->geometry();
        const bool decimal =
            named<AnswerLabel>(m_window.get(), "lblAnswer")->answer().contains(QLocale().decimalPoint());
        const QRect place = named<QWidget>(m_window.get(), decimal ? "Frame3" : "Frame2")->geometry();
        const QRect other = named<QWidget>(m_window.get(), decimal ? "Frame2" : "Frame3")->geometry();
        QVERIFY(named<QWidget>(m_window.get(), "lblAnswer")->accessibleName() == "Result: none"
                || (frame.contains(place) && !frame.intersects(other)));
        if (!c[5].isEmpty()) {
            QApplication::clipboard()->setText("held");
            QTest::keySequence(m_window->focusWidget(), QKeySequence::Copy);
            QCOMPARE(QApplication::clipboard()->text(), c[5] == u"_" ? "held" : local(c[5]));
        }
    }
    void loadAndKeys()
    {
        // The load: 0 in three boxes, the engine's result denominator 0, the
        // caret in the numerator.
        QCOMPARE(shown(0) + shown(1) + shown(2) + shown(3) + shown(4) + m_engine.varResultDenominator.toText(), "0000");
        QCOMPARE(QApplication::focusWidget(), box("txtNumerator"));
        typeInto(box("txtDecimal"), "12.5");
        QWidget elsewhere; // the box that had the focus selects its text when the window is back
        QVERIFY(showActive(&elsewhere) && showActive(m_window.get()));
        QCOMPARE(box("txtDecimal")->selectedText(), "12.5");
        // Enter and Esc press nothing.
        typeInto(box("txtDenominator"), "4");
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(box("txtDenominator"), key);
        QCOMPARE(shown(2) + shown(3) + shown(4), "412.5");
        // The empty nearest sixty-fourth draws nothing, at load as after Clear.
        const QRect laidOut(79, 92, 6, 20);
        const QImage atLoad = m_window->centralWidget()->grab(laidOut).toImage();
        typeInto(box("txtDecimal"), "0.5");
        press("cmdResult1");
        press("cmdClear");
        QCOMPARE(m_window->centralWidget()->grab(laidOut).toImage(), atLoad);
        QCOMPARE(atLoad.pixelColor(3, 3), m_window->palette().color(QPalette::Window));
    }
    void boxesStandOut_data() { addCases(kDesktops); }
    // Every box and the field of the nearest sixty-fourth stand out from the window, their text readable.
    void boxesStandOut()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2), hex = c[0].split(u' ', Qt::SkipEmptyParts);
        QPalette desktop = QApplication::palette();
        for (int i = 0; i < 3; ++i)
            desktop.setColor(std::array{QPalette::Window, QPalette::Base, QPalette::Text}[i], QColor(u'#' + hex[i]));
        QApplication::setPalette(desktop);
        typeInto(box("txtDecimal"), "0.5");
        press("cmdResult1");
        QCoreApplication::processEvents();
        const QImage shot = m_window->grab().toImage();
        for (const QString &name : kBoxes + QStringList{"Label2"}) {
            QWidget *field = named<QWidget>(m_window.get(), name); // a point clear of the text
            const QColor shown =
                shot.pixelColor(field->mapTo(m_window.get(), QPoint(3, name == "Label2" ? field->height() - 1 : 3)));
            QVERIFY2(contrast(shown, desktop.window().color()) >= 1.1 && contrast(shown, desktop.text().color()) >= 4.5,
                     qPrintable(name));
            QCOMPARE(shown == desktop.base().color(), c[1] == u"own");
        }
    }
    void looks()
    {
        QCOMPARE(chooseOnlyContextEntry(named<QLabel>(m_window.get(), "Label2")), "&Copy, disabled");
        typeInto(box("txtDecimal"), "0.5");
        press("cmdResult1");
        auto *approx = named<QLabel>(m_window.get(), "Label2");
        QCOMPARE(chooseOnlyContextEntry(approx), "&Copy"); // its right click copies what it shows
        QCOMPARE(QApplication::clipboard()->text(), "1/2");
        // Every label shows its caption whole; the two with a caption of their own show it.
        QVERIFY(!named<QLabel>(m_window.get(), "Label1")->text().isEmpty()
                && !named<QLabel>(m_window.get(), "Label3")->text().isEmpty());
        for (QLabel *label : m_window->findChildren<QLabel *>())
            QVERIFY2(label->size().expandedTo(label->sizeHint()) == label->size(), qPrintable(label->text()));
        // The long captions are drawn on two lines inside their buttons (drawn
        // as buttons): two bands of rows holding text, with blank rows between.
        for (const char *name : {"cmdResult0", "cmdResult1"}) {
            auto *button = named<QPushButton>(m_window.get(), name);
            const QImage image = button->grab().toImage();
            QVERIFY(image.pixel(image.width() / 2, 0) != image.pixel(image.width() / 2, 5));
            const int ink = qGray(button->palette().color(QPalette::ButtonText).rgb());
            const int paper = qGray(button->palette().color(QPalette::Button).rgb());
            QString rows;
            for (int y = 3; y < image.height() - 3; ++y) {
                bool inked = false;
                for (int x = 3; x < image.width() - 3; ++x)
                    inked = inked || qAbs(qGray(image.pixel(x, y)) - ink) < qAbs(paper - ink) / 3;
                rows += inked ? u'#' : u'.';
            }
            QVERIFY2(rows.contains(QRegularExpression("#\\.\\.+#")), name);
        }
        // A frame's etched border runs through the middle of its caption, which shows whole.
        for (const char *name : {"Frame2", "Frame3"}) {
            auto *frame = named<QGroupBox>(m_window.get(), name);
            const QImage image = frame->grab().toImage();
            const int x = image.width() - 8, middle = frame->fontMetrics().height() / 2;
            int top = 0;
            while (image.pixelColor(x, top) == image.pixelColor(x, image.height() / 2))
                ++top;
            const QImage caption =
                image.copy(8, 0, frame->fontMetrics().horizontalAdvance(frame->title()) + 4, middle * 2);
            QImage blank = caption;
            blank.fill(image.pixelColor(x, image.height() / 2));
            QVERIFY2(top == middle && caption != blank, name);
        }
        // The lines stand black on a light window, in its text colour on a dark one, also while
        // another window is active (some themes grey the text then).
        auto *line = named<QWidget>(m_window.get(), "Line1");
        QWidget other;
        for (const auto &[window, text, drawn] :
             {std::tuple{QColor(Qt::white), QColor(Qt::gray), QColor(Qt::black)},
              {QColor(0x22, 0x22, 0x22), QColor(0xdd, 0xdd, 0xdd), QColor(0xdd, 0xdd, 0xdd)}}) {
            QPalette colors = m_window->palette();
            colors.setColor(QPalette::Window, window);
            colors.setColor(QPalette::WindowText, text);
            colors.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
            m_window->setPalette(colors);
            for (QWidget *active : {static_cast<QWidget *>(m_window.get()), &other}) {
                QVERIFY(showActive(active));
                const QImage image = line->grab().toImage();
                QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), drawn);
            }
        }
        // Decimal to Fraction keeps the whole quotient as its working value.
        typeInto(box("txtDecimal"), "2.75");
        press("cmdResult1");
        QCOMPARE(m_window->values().varWholeNum.toText(), "2.75");
    }

private:
    QLineEdit *box(const QString &name) const { return named<QLineEdit>(m_window.get(), name); }
    void press(const char *button) { QTest::mouseClick(named<QPushButton>(m_window.get(), button), Qt::LeftButton); }
    // Box i of kBoxes, or (i = 4) the nearest sixty-fourth.
    QString shown(int i) const
    {
        return i < 4 ? box(kBoxes[i])->text() : named<QLabel>(m_window.get(), "Label2")->text();
    }
    Module1 m_engine;
    std::unique_ptr<FrmFract> m_window;
};

QTEST_MAIN(TestDecimals)
#include "tst_decimals.moc"
