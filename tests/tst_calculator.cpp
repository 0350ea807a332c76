// The calculator window, driven through its real widgets with the mouse and the keyboard (also at a scale
// factor of 2): its operations by every way of starting them, and the window's own behaviour.

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
    -7/3 + 0/1 = -7/3
    999/1 × 999/1 = 998001
    1/2 ÷ -1/4 = -2             | Ctrl+D
    2/3 ÷ 4/9 = 1 1/2           | menu
    1e3/999 + 0/1 = 1 1/999
    ~7/2 + 0/1 = 3 1/2
    1/9999 + 1/9998 = 19997/99970002
    -99/9998 - 999/9999 = -1219767/11107778
    999/2 × 999/1 = 499000 1/2
    -99/1 × 999/1 = -98901
    1/2 ÷ 0/5 → FILL ALL BOXES
    0/2 ÷ 0/5 → FILL ALL BOXES
    1/2 - 1/0 → FILL ALL BOXES
    1/0 × 1/2 → FILL ALL BOXES  | menu
    1/0.5 ÷ 3/4 → FILL ALL BOXES
    1.5/2 + 1/2 → FILL ALL BOXES
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
    void init()
    {
        m_window = std::make_unique<Form1>(m_engine);
        QVERIFY(showActive(m_window.get()));
    }
    void cleanup() // also after a failed check
    {
        m_window.reset();
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
        const int left = label("txtN3")->x();
        enter(row.captured(1) + u' ' + row.captured(3));
        qint64 signWhileShown = 0; // a menu entry shows its sign before any message
        const QStringList messages = messagesDuring(
            [&] {
                if (how.isEmpty())
                    click(button(op));
                else if (how == "menu")
                    chooseMenuEntry(m_window.get(), "mnuFunction", "mnu" + kNames[op]);
                else // Space on the button; a shortcut from inside a box, where the box has keys of its own
                    QTest::keySequence(how == "Space" ? at("cmd" + kNames[op]) : box("txtD2"), QKeySequence(how));
            },
            [&] { signWhileShown = sign(); });
        QVERIFY(how != "menu" || !fails || signWhileShown == picture(op));
        QCOMPARE(messages, fails ? QStringList{expected} : QStringList());
        // The fields: whole number, numerator/denominator ("1 1/4", "0 -3/2", "2 0/0").
        const QString fields = expected.contains(u' ') ? expected
            : expected.contains(u'/')                  ? "0 " + expected
                                                       : expected + " 0/0";
        QCOMPARE(result(), fails ? " /" : fields);
        QCOMPARE(spoken(m_window.get()), fails ? "" : expected);
        QCOMPARE(at("lblAnswer")->accessibleName(), "Result: " + (fails ? "none" : expected));
        for (const auto &[field, caption] : {std::pair{"txtN3", "numerator"}, {"txtD3", "denominator"}}) // as read
            QCOMPARE(reader(label(field))->text(QAccessible::Name),
                     QString("Result, ") + caption + (fails ? "" : ": " + label(field)->text()));
        // Ctrl+C, and Copy offered on a right click on any result field (disabled while there is no answer).
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
        // The bar ends at the denominator's right edge; the labels inside the window, their left edge kept;
        // the whole number shown whole, centred in its box.
        QCOMPARE(bar()->x2(), pixelsToTwips(label("txtD3")->geometry().right() + 1));
        for (QLabel *field : {label("txtN3"), label("txtD3")})
            QVERIFY(field->geometry().right() < m_window->centralWidget()->width() && field->x() == left);
        whole()->selectAll();
        whole()->repaint(); // lays the text out
        const int first = whole()->inputMethodQuery(Qt::ImAnchorRectangle).toRectF().center().x();
        const int last = whole()->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
        QVERIFY(first > 0 && last < whole()->width() && qAbs(first - (whole()->width() - last)) <= 3);
    }
    // Typing and pasting stop at each box's limit, a beep for each refusal; what the program writes is shown
    // whole, in a smaller font while it is long. Ctrl+C copies a selection.
    void boxes()
    {
        int beeps = 0;
        setBeepSink([&] { ++beeps; });
        for (const QString &name : kBoxes + QStringList{"txtWholeNum"}) {
            const int limit = name.startsWith("txtD") ? 4 : 3; // a denominator takes 4 digits
            const auto shown = [&] { return box(name)->text() + u' ' + QString::number(beeps); };
            beeps = 0;
            typeInto(box(name), "123456");
            QCOMPARE(shown(), QString("123456").left(limit) + u' ' + QString::number(6 - limit));
            typeInto(box(name), "_");
            QApplication::clipboard()->setText("7 7/8");
            QTest::keySequence(box(name), QKeySequence::Paste);
            QCOMPARE(shown(), QString("7 7/8").left(limit) + u' ' + QString::number(7 - limit));
        }
        typeInto(box("txtN1"), "123");
        box("txtN1")->setSelection(1, 2);
        QTest::keySequence(box("txtN1"), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), "23");
        setBeepSink({});
        QApplication::clipboard()->setText("123456");
        const double designed = whole()->font().pointSizeF();
        for (const char *fractions : {"999/1 999/1", "1/2 1/3", "999/1 999/1"}) {
            enter(fractions);
            click(button("×"));
            QCOMPARE(whole()->font().pointSizeF() < designed, whole()->text() == "998001");
            QVERIFY(whole()->font().pointSizeF() > 8);
            if (whole()->text() == "0") { // the limit holds again for a paste at the end
                QTest::mouseClick(whole(), Qt::LeftButton);
                QTest::keyClick(whole(), Qt::Key_End);
                QTest::keySequence(whole(), QKeySequence::Paste);
                QCOMPARE(whole()->text(), "012");
            }
        }
        // Such a text can be shortened but not lengthened past the limit: End, 9, four Backspaces, 345.
        QTest::keyClick(whole(), Qt::Key_End);
        QTest::keyClicks(whole(), "9\b\b\b\b345");
        QCOMPARE(whole()->text(), "993");
    }
    // Esc from a box or a button, Alt+C: every box and field empty, the result state 0, the sign and the bar
    // where they were, Esc leaving the focus alone; what the reader is told takes no room.
    void escapeClears()
    {
        QCOMPARE(chooseOnlyContextEntry(whole()), "&Copy, disabled"); // nothing yet
        const float atLoad = bar()->x2();
        enter("1/9999 1/9998");
        click(button("+"));
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
            for (const Variant *v :
                 {&m_engine.varResultNumerator, &m_engine.varResultDenominator, &m_engine.varResultWhole})
                QCOMPARE(v->toText(), "0");
            QCOMPARE(sign(), picture("+"));
            QCOMPARE(bar()->x2(), barEnd);
            QVERIFY(key.key() != Qt::Key_Escape || QApplication::focusWidget() == focus);
            QCOMPARE(spoken(m_window.get()), "Cleared");
            QCOMPARE(chooseOnlyContextEntry(label("txtN3")), "&Copy, disabled");
        }
        for (QWidget *w : m_window->findChildren<QWidget *>())
            QVERIFY(reader(w)->role() != QAccessible::Notification || w->size().isNull());
    }
    // Tab walks the boxes and buttons in their order, then the result, framed while it has the focus. A
    // screen reader takes a menu entry's name and key binding ("access key;path;shortcut"), finds it where it
    // is drawn, and pressing it runs the entry.
    void keyboardAndReader()
    {
        const QImage unfocused = at("lblAnswer")->grab().toImage();
        box("txtN1")->setFocus();
        const QStringList walk = kBoxes
            + QString("cmdAdd cmdSubtract cmdDivide cmdMultiply cmdClear cmdDecimal lblAnswer txtN1").split(u' ');
        for (const QString &name : walk) {
            QWidget *focus = QApplication::focusWidget();
            QCOMPARE(focus->objectName(), name);
            QVERIFY(focus != at("lblAnswer") || focus->grab().toImage() != unfocused);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QStringList read; // the first two entries of each menu
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface *entry = reader(at(i < 2 ? "mnuFile" : "mnuHelp"))->child(i % 2);
            QAccessibleActionInterface *actions = entry->actionInterface();
            read << entry->text(QAccessible::Name) + u' '
                    + actions->keyBindingsForAction(actions->actionNames().value(0)).join(u';');
        }
        QCOMPARE(read, QStringList({"Decimal d;;<Control>F2", "Exit ", "Contents c;;F1", "About a;;<Control>h"}));
        auto *menu = named<QMenu>(m_window.get(), "mnuFunction");
        QAction *add = named<QAction>(m_window.get(), "mnuAdd");
        QAccessibleInterface *entry = reader(menu)->child(0);
        menu->popup(m_window->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(add);
        QVERIFY(entry->state().focused && !entry->state().invisible && !entry->state().disabled);
        QCOMPARE(entry->rect(), menu->actionGeometry(add).translated(menu->mapToGlobal(QPoint())));
        QCOMPARE(entry->parent()->object(), menu);
        menu->hide();
        enter("1/2 1/3");
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(result(), "0 5/6");
    }
    // Where the windows draw their own title bars (Wayland without a compositor's): one across the top, the
    // caption centred in bold, in the highlight's colours while the window is active and the buttons'
    // otherwise, a line below; a message box has one too, and a window without a layout.
    void ownTitleBar()
    {
        using enum QPalette::ColorRole;
        TitleBar::setWanted(true);
        QPalette colours = QApplication::palette(); // each role its own colour
        const QPalette::ColorRole roles[] = {Highlight, HighlightedText, Button, ButtonText, Mid, WindowText};
        const QRgb rgbs[] = {0x0000c0, 0xffffff, 0xd0d0d0, 0x000000, 0x808080, 0xc00000};
        for (int i = 0; i < 6; ++i)
            colours.setColor(roles[i], QColor(rgbs[i]));
        QApplication::setPalette(colours);
        init();
        TitleBar::addTo(m_window.get()); // as the platform gives it
        QWidget *title = at("titleBar");
        QCOMPARE(title->geometry(), QRect(0, 0, m_window->width(), title->height()));
        QFont bold = title->font();
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).tightBoundingRect(m_window->windowTitle()).width();
        QWidget other; // a window without a layout
        other.resize(200, 100);
        TitleBar::addTo(&other);
        for (const bool inactive : {false, true}) {
            QVERIFY(showActive(inactive ? &other : m_window.get()));
            const QImage image = title->grab().toImage();
            const QColor paper = colours.color(inactive ? Button : Highlight);
            QCOMPARE(image.pixelColor(1, 1), paper);
            QCOMPARE(image.pixelColor(1, image.height() - 1), colours.color(Mid));
            int left = image.width(), right = 0, strongest = 0;
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
                for (int y = 0; y < image.height() - 2; ++y) { // above the line below
                    const QColor c = image.pixelColor(x, y);
                    left = c != paper ? qMin(left, x) : left;
                    right = c != paper ? qMax(right, x) : right;
                    strongest = qMax(strongest, qRound(contrast(c, paper) * 100));
                }
            }
            QCOMPARE(strongest, qRound(contrast(colours.color(inactive ? ButtonText : HighlightedText), paper) * 100));
            QVERIFY(qAbs((right - left + 1) / image.devicePixelRatio() - captionWidth) <= 2);       // in bold
            QVERIFY(qAbs((left + right) / 2 / image.devicePixelRatio() - title->width() / 2) <= 2); // centred
        }
        QCOMPARE(messagesDuring([&] { click(button("+")); },
                                [] { QVERIFY(QApplication::activeModalWidget()->findChild<QWidget *>("titleBar")); }),
                 QStringList{"FILL ALL BOXES"});
        other.setFixedWidth(240); // its bar follows its width
        QTRY_COMPARE(other.findChild<QWidget *>("titleBar")->width(), 240);
    }
    void picturesOnLightAndDark_data() { addCases(kSymbols); }
    // Each symbol stands out from its background on a light and a dark desktop, started in it or switched to
    // it while the program runs, drawn at the screen's pixel ratio; the whole-number box blends in.
    void picturesOnLightAndDark()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2);
        const QPoint point(c[0].section(u' ', 0, 0).toInt() - 16, c[0].section(u' ', -1).toInt() - 16);
        const QPalette light(QColor(0xef, 0xef, 0xef)), dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x22, 0x22));
        for (const auto &[start, switched] : {std::pair{light, dark}, std::pair{dark, light}}) {
            QApplication::setPalette(start);
            init();
            QTest::mouseMove(button("÷"), QPoint(5, 5));
            QTest::mouseMove(button("÷"), QPoint(9, 9));
            for (const QPalette &desktop : {start, switched}) {
                QApplication::setPalette(desktop);
                QEvent changed(QEvent::ApplicationPaletteChange);
                QApplication::sendEvent(m_window.get(), &changed);
                for (const QString &name : c[1].split(u' ')) {
                    QWidget *shown = at(name);
                    const QImage image = shown->grab().toImage();
                    const QColor ink = image.pixelColor((QPoint(shown->width() / 2, shown->height() / 2) + point)
                                                        * image.devicePixelRatio());
                    QVERIFY2(contrast(ink, shown->palette().color(shown->backgroundRole())) >= 3, qPrintable(name));
                }
                QCOMPARE(label("Image1")->grab().toImage(), label("imgDiv")->grab().toImage());
                QCOMPARE(whole()->palette().color(QPalette::Base), desktop.color(QPalette::Button));
            }
        }
        // The fraction bars, of one thickness, each midway between its numerator and denominator.
        for (const auto &[line, over, under] : {std::tuple{"Line3", "txtN1", "txtD1"}, {"Line2", "txtN2", "txtD2"}}) {
            const QRect drawn = at(line)->geometry();
            QVERIFY(drawn.height() == bar()->height()
                    && qAbs(drawn.center().y() * 2 - box(over)->geometry().bottom() - box(under)->y()) <= 2);
        }
        // Pictures, the hand pointer (its finger tip at the hot spot) and a sign drawn at the pixel ratio.
        const qreal ratio = qApp->devicePixelRatio();
        const QImage hand = button("+")->cursor().pixmap().toImage();
        QCOMPARE(label(c[1].section(u' ', 0, 0))->pixmap().size(), QSize(32, 32) * ratio);
        QCOMPARE(hand.size(), QSize(32, 32) * ratio);
        QCOMPARE(button("+")->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(button("+")->icon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
        QVERIFY(qAlpha(hand.pixel(QPoint(12, 1) * ratio)) > 0 && qAlpha(hand.pixel(0, 0)) == 0);
    }

private:
    static QAccessibleInterface *reader(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
    QWidget *at(const QString &name) const { return named<QWidget>(m_window.get(), name); }
    QLineEdit *box(const QString &name) const { return named<QLineEdit>(m_window.get(), name); }
    QLineEdit *whole() const { return box("txtWholeNum"); }
    QLabel *label(const QString &name) const { return named<QLabel>(m_window.get(), name); }
    QPushButton *button(const QString &sign) const { return named<QPushButton>(m_window.get(), "cmd" + kNames[sign]); }
    LineWidget *bar() const { return named<LineWidget>(m_window.get(), "Line1"); }
    // Types "n1/d1 n2/d2" into the four boxes.
    void enter(const QString &fractions)
    {
        const QStringList typed = fractions.split(QRegularExpression("[/ ]"));
        for (int i = 0; i < 4; ++i)
            typeInto(box(kBoxes[i]), typed[i]);
    }
    QString result() const { return whole()->text() + u' ' + label("txtN3")->text() + u'/' + label("txtD3")->text(); }
    // The picture the operator sign shows (0: none yet), and a sign's own.
    qint64 sign() const { return label("Image1")->pixmap().isNull() ? 0 : label("Image1")->pixmap().cacheKey(); }
    qint64 picture(const QString &sign) const { return label(kPictures[sign])->pixmap().cacheKey(); }
    Module1 m_engine;
    std::unique_ptr<Form1> m_window;
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
