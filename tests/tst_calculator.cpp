// The calculator window through its real widgets, by mouse, keyboard and reader (also at a scale factor of 2).

#include "form1.h"
#include "formkit.h"
#include "harness.h"
#include "linewidget.h"
#include "placement.h"
#include "titlebar.h"
#include <QtTest>
#include <QtWidgets>

using namespace zarnith;
using namespace zarnith::test;

// first op second = the result as the screen reader says it, or → the message | how the operation is
// started: a click on its button unless a way is given. "_" is an empty box, "~" a blank.
const char *const kOperations = R"(
    1/2 + 1/3 = 5/6
    3/4 + 1/2 = 1 1/4
    1/2 + 1/2 = 1               | menu
    1/2 - 1/2 = 0
    1/4 - 3/4 = -1/2            | Ctrl+S
    1/2 - 2/1 = -3/2            | Space
    1/-2 × 1/1 = -1/2           | Ctrl+M
    999/1 × 999/1 = 998001
    1/2 ÷ -1/4 = -2             | Ctrl+D
    2/3 ÷ 4/9 = 1 1/2           | menu
    1e3/999 + 0/1 = 1 1/999
    ~7/2 + 0/1 = 3 1/2
    -99/9998 - 999/9999 = -1219767/11107778
    999/2 × 999/1 = 499000 1/2
    1/2 ÷ 0/5 → FILL ALL BOXES
    1/0 × 1/2 → FILL ALL BOXES  | menu
    1/0.5 ÷ 3/4 → FILL ALL BOXES
    9e9/1 + 0/1 → FILL ALL BOXES
    a/2 + 1/2 → FILL ALL BOXES
    1/~~ + 1/2 → FILL ALL BOXES
    _/_ + _/_ → FILL ALL BOXES  | Ctrl+A
)";

// Each sign's button and menu entry, and the hidden picture the operator sign copies.
const QMap<QString, QString> kNames = {{"+", "Add"}, {"-", "Subtract"}, {"×", "Multiply"}, {"÷", "Divide"}};
const QMap<QString, QString> kPictures = {{"+", "imgPlus"}, {"-", "imgNeg"}, {"×", "imgMulti"}, {"÷", "imgDiv"}};
const QStringList kBoxes = {"txtN1", "txtD1", "txtN2", "txtD2"};

// A point of each operator's symbol in its 32-pixel drawing | the controls showing it (Image1: Divide hovered).
const char *const kSymbols = R"(
    15 7  | imgPlus cmdAdd
    7 15  | imgNeg cmdSubtract
    16 16 | imgMulti cmdMultiply
    7 15  | imgDiv cmdDivide Image1
    7 11  | imgEquals
)";

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(showActive((m_window = std::make_unique<Form1>(m_engine)).get())); }
    void cleanup() // also after a failed check
    {
        m_window.reset();
        setBeepSink({});
        TitleBar::setWanted(false);
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    void operations_data() { addCases(kOperations); }
    void operations()
    {
        QFETCH(QString, line);
        const auto row = QRegularExpression(R"((\S+) (\S) (\S+) ([=→]) (.+?)(?: +\| (.+))?$)").match(line);
        QVERIFY2(row.hasMatch(), "a case the test cannot read");
        const QString op = row.captured(2), expected = row.captured(5), how = row.captured(6);
        const bool fails = row.captured(4) == "→";
        enter(row.captured(1) + u' ' + row.captured(3));
        QCOMPARE(messagesDuring(
                     [&] {
                         if (how.isEmpty())
                             click(button(op));
                         else if (how == "menu")
                             chooseMenuEntry(m_window.get(), "mnuFunction", "mnu" + kNames[op]);
                         else // Space on the button; a shortcut from inside a box, where the box has keys of its own
                             QTest::keySequence(how == "Space" ? button(op) : box("txtD2"), QKeySequence(how));
                     },
                     [&] { QCOMPARE(sign(), picture(op)); }), // the sign shows before the message
                 fails ? QStringList{expected} : QStringList());
        const QString fields = expected.contains(u' ') ? expected
            : expected.contains(u'/')                  ? "0 " + expected
                                                       : expected + " 0/0";
        QCOMPARE(result(), fails ? " /" : fields);
        QCOMPARE(spoken(m_window.get()), fails ? "" : expected);
        QCOMPARE(at("lblAnswer")->accessibleName(), "Result: " + (fails ? "none" : expected));
        for (const auto &[field, caption] : {std::pair{"txtN3", "numerator"}, {"txtD3", "denominator"}})
            QCOMPARE(reader(label(field))->text(QAccessible::Name),
                     QString("Result, ") + caption + (fails ? "" : ": " + label(field)->text()));
        for (const QString field : {"txtD2", "txtWholeNum", "txtN3", "txtD3"}) {
            QApplication::clipboard()->setText("held");
            if (field == "txtD2")
                QTest::keySequence(at(field), QKeySequence::Copy);
            else
                QCOMPARE(chooseOnlyContextEntry(at(field)), fails ? "&Copy, disabled" : "&Copy");
            QCOMPARE(QApplication::clipboard()->text(), fails ? "held" : expected);
        }
        QCOMPARE(sign(), how == "Space" ? 0 : picture(op)); // every way but Space shows the sign
        if (fails)
            return;
        QCOMPARE(bar()->x2(), pixelsToTwips(label("txtD3")->geometry().right() + 1));
        QCOMPARE(whole()->palette().color(QPalette::Base), m_window->palette().color(QPalette::Window)); // it blends in
        for (QLabel *field : {label("txtN3"), label("txtD3")})
            QVERIFY(field->geometry().right() < m_window->centralWidget()->width());
        whole()->selectAll();
        whole()->repaint(); // lays the text out
        const int first = whole()->inputMethodQuery(Qt::ImAnchorRectangle).toRectF().center().x();
        const int last = whole()->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
        QVERIFY(first > 0 && last < whole()->width() && qAbs(first - (whole()->width() - last)) <= 3);
    }
    // Box limits, a beep per refusal, the whole number's font; Tab; the menus as read; Esc and Alt+C clearing.
    void keyboard()
    {
        const float atLoad = bar()->x2();
        int beeps = 0;
        setBeepSink([&] { ++beeps; });
        for (const QString &name : kBoxes + QStringList{"txtWholeNum"}) {
            const int limit = name.startsWith("txtD") ? 4 : 3; // a denominator takes 4 digits
            beeps = 0;
            QApplication::clipboard()->setText("7 7/8");
            QTest::keySequence(box(name), QKeySequence::Paste); // into the empty box
            QCOMPARE(std::pair(box(name)->text(), beeps), std::pair(QString("7 7/8").left(limit), 1));
            typeInto(box(name), "123456");
            QCOMPARE(std::pair(box(name)->text(), beeps), std::pair(QString("123456").left(limit), 7 - limit));
            box(name)->setSelection(0, 3);
            QTest::keySequence(box(name), QKeySequence::Copy); // with no answer, a selection
            QCOMPARE(QApplication::clipboard()->text(), "123");
        }
        const double designed = whole()->font().pointSizeF();
        for (const auto &[fractions, edited] : {std::pair{"999/1 999/1", "998"}, {"1/2 1/3", "345"}}) {
            enter(fractions);
            click(button("×"));
            QCOMPARE(whole()->font().pointSizeF() < designed, whole()->text() == "998001");
            QTest::keyClick(whole(), Qt::Key_End);
            QTest::keySequence(whole(), QKeySequence::Paste); // the 123 copied above, at the end
            QTest::keyClicks(whole(), "\b\b\b345");           // shortened, then typed to the limit
            QCOMPARE(whole()->text(), edited);
        }
        const QImage unfocused = at("lblAnswer")->grab().toImage();
        box("txtN1")->setFocus();
        const QString walk = "cmdAdd cmdSubtract cmdDivide cmdMultiply cmdClear cmdDecimal lblAnswer txtN1";
        for (const QString &name : kBoxes + walk.split(u' ')) {
            QWidget *focus = QApplication::focusWidget();
            QCOMPARE(focus->objectName(), name);
            QVERIFY(focus != at("lblAnswer") || focus->grab().toImage() != unfocused); // framed
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QStringList read; // name, then "access key;path;shortcut"
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface *entry = reader(at(i < 2 ? "mnuFile" : "mnuHelp"))->child(i % 2);
            QAccessibleActionInterface *act = entry->actionInterface();
            read << entry->text(QAccessible::Name) + u' ' + act->keyBindingsForAction(act->pressAction()).join(u';');
        }
        QCOMPARE(read, QStringList({"Decimal d;;<Control>F2", "Exit ", "Contents c;;F1", "About a;;<Control>h"}));
        auto *menu = named<QMenu>(m_window.get(), "mnuFunction");
        QAccessibleInterface *entry = reader(menu)->child(0);
        menu->popup(m_window->mapToGlobal(QPoint(0, 0)));
        QCOMPARE(entry->rect(), menu->actionGeometry(menu->actions().value(0)).translated(menu->mapToGlobal(QPoint())));
        menu->hide();
        enter("1/9999 1/9998");
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(result(), "0 19997/99970002");
        const float barEnd = bar()->x2();
        QVERIFY(barEnd != atLoad);
        const std::pair<QWidget *, QKeyCombination> ways[] = {
            {box("txtN2"), Qt::Key_Escape}, {button("÷"), Qt::Key_Escape}, {box("txtN2"), Qt::ALT | Qt::Key_C}};
        for (const auto &[focus, key] : ways) {
            enter("3/4 1/2");
            typeInto(whole(), "9");
            focus->setFocus();
            QTest::keySequence(focus, QKeySequence(key));
            QTRY_COMPARE(result(), " /"); // a button shows its press first
            for (const QString &name : kBoxes)
                QCOMPARE(box(name)->text(), "");
            QCOMPARE(m_engine.varResultDenominator.toText(), "0"); // the result state reset
            QCOMPARE(sign(), picture("+"));
            QCOMPARE(bar()->x2(), barEnd);
            QCOMPARE(spoken(m_window.get()), "Cleared");
            QCOMPARE(chooseOnlyContextEntry(label("txtN3")), "&Copy, disabled");
        }
    }
    // Own title bars: across the top, coloured by role while active and not, in a message box, without a layout.
    void ownTitleBar()
    {
        TitleBar::setWanted(true);
        QPalette colours;
        for (int role = 0; role < QPalette::NColorRoles; ++role) // each role its own colour
            colours.setColor(QPalette::ColorRole(role), QColor::fromHsv(role * 17, 255, role % 2 ? 90 : 230).rgb());
        QApplication::setPalette(colours);
        init();
        TitleBar::addTo(m_window.get()); // as the platform gives it
        QCOMPARE(at("titleBar")->geometry(), QRect(0, 0, m_window->width(), at("titleBar")->height()));
        QWidget other; // a window without a layout
        TitleBar::addTo(&other);
        for (const bool inactive : {false, true}) {
            QVERIFY(showActive(inactive ? &other : m_window.get()));
            const QImage image = at("titleBar")->grab().toImage();
            QCOMPARE(at("titleBar")->childAt(image.width() / image.devicePixelRatio() - 8, 9), at("cmdClose"));
            const QColor paper = colours.color(inactive ? QPalette::Button : QPalette::Highlight);
            QCOMPARE(image.pixelColor(1, 1), paper);
            QCOMPARE(image.pixelColor(1, image.height() - 1), colours.color(QPalette::Mid));
            double strongest = 0; // the caption's ink, between the icon and the buttons, above the line
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x)
                for (int y = 0; y < image.height() - 2; ++y)
                    strongest = qMax(strongest, contrast(image.pixelColor(x, y), paper));
            QCOMPARE(strongest,
                     contrast(colours.color(inactive ? QPalette::ButtonText : QPalette::HighlightedText), paper));
        }
        QCOMPARE(messagesDuring([&] { click(button("+")); },
                                [] { QVERIFY(QApplication::activeModalWidget()->findChild<QWidget *>("titleBar")); }),
                 QStringList{"FILL ALL BOXES"});
        other.setFixedWidth(240); // its bar follows its width
        QTRY_COMPARE(other.findChild<QWidget *>("titleBar")->width(), 240);
    }
    void picturesOnLightAndDark_data() { addCases(kSymbols); }
    // Each symbol stands out on a light and a dark desktop, started or switched, drawn at the pixel ratio.
    void picturesOnLightAndDark()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2);
        const QPoint point(c[0].section(u' ', 0, 0).toInt() - 16, c[0].section(u' ', -1).toInt() - 16);
        const QPalette light(QColor(0xef, 0xef, 0xef)), dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x22, 0x22));
        for (const auto &[start, switched] : {std::pair{light, dark}, std::pair{dark, light}}) {
            QApplication::setPalette(start);
            init();
            QTest::mouseMove(button("÷"), QPoint(5, 5)); // onto the button, then over it
            QTest::mouseMove(button("÷"), QPoint(9, 9));
            for (const QPalette &desktop : {start, switched}) {
                QApplication::setPalette(desktop);
                QEvent changed(QEvent::ApplicationPaletteChange);
                QApplication::sendEvent(m_window.get(), &changed);
                for (const QString &name : c[1].split(u' ')) {
                    QWidget *shown = at(name);
                    const QImage image = shown->grab().toImage().scaled(shown->size()); // a pixel a point
                    const QColor ink = image.pixelColor(QPoint(shown->width() / 2, shown->height() / 2) + point);
                    QVERIFY2(contrast(ink, shown->palette().color(shown->backgroundRole())) >= 3, qPrintable(name));
                }
            }
        }
        for (const QPixmap &drawn : {label(c[1].section(u' ', 0, 0))->pixmap(), button("+")->cursor().pixmap()})
            QCOMPARE(drawn.size(), QSize(32, 32) * qApp->devicePixelRatio()); // the picture and the hand pointer
    }

private:
    static QAccessibleInterface *reader(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
    QWidget *at(const QString &name) const { return named<QWidget>(m_window.get(), name); }
    QLineEdit *box(const QString &name) const { return named<QLineEdit>(m_window.get(), name); }
    QLineEdit *whole() const { return box("txtWholeNum"); }
    QLabel *label(const QString &name) const { return named<QLabel>(m_window.get(), name); }
    QWidget *button(const QString &sign) const { return at("cmd" + kNames[sign]); }
    LineWidget *bar() const { return named<LineWidget>(m_window.get(), "Line1"); }
    void enter(const QString &fractions) // "n1/d1 n2/d2" into the four boxes
    {
        for (int i = 0; i < 4; ++i)
            typeInto(box(kBoxes[i]), fractions.split(QRegularExpression("[/ ]"))[i]);
    }
    QString result() const { return whole()->text() + u' ' + label("txtN3")->text() + u'/' + label("txtD3")->text(); }
    qint64 sign() const { return label("Image1")->pixmap().cacheKey(); } // the operator sign's picture (0: none)
    qint64 picture(const QString &sign) const { return label(kPictures[sign])->pixmap().cacheKey(); }
    Module1 m_engine;
    std::unique_ptr<Form1> m_window;
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
