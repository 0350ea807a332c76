// The calculator window, driven through its real widgets with the mouse and
// the keyboard (also at a scale factor of 2): its operations by every way of
// starting them, and the window's own behaviour.

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

namespace {

// first op second = the result as the screen reader says it, reads it again
// and Ctrl+C copies it (and the three fields show it), or → the message;
// then how the operation is started: a click on its button unless a way is
// given. "_" is an empty box, "~" a blank.
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

// Each sign's button and menu entry, and the hidden picture the operator
// sign copies.
const QMap<QString, std::pair<QString, QString>> kSigns = {{"+", {"Add", "imgPlus"}},
                                                           {"-", {"Subtract", "imgNeg"}},
                                                           {"×", {"Multiply", "imgMulti"}},
                                                           {"÷", {"Divide", "imgDiv"}}};

// A point of each operator's symbol in its 32-pixel drawing | the controls
// showing it (Image1 after the pointer was over Divide).
const char *const kSymbols = R"(
    15 7  | imgPlus cmdAdd
    7 15  | imgNeg cmdSubtract
    16 16 | imgMulti cmdMultiply
    7 15  | imgDiv cmdDivide Image1
    7 11  | imgEquals
)";

// A result as read ("1 1/4", "-3/2", "2") as the fields show it: whole
// number, numerator/denominator ("1 1/4", "0 -3/2", "2 0/0").
QString asFields(const QString &result)
{
    const QString fraction = result.section(u' ', -1);
    return fraction.contains(u'/') ? (result.contains(u' ') ? result.section(u' ', 0, 0) : "0") + u' ' + fraction
                                   : fraction + " 0/0";
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<Form1>(m_engine);
        QVERIFY(showActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }
    void operations_data() { addCases(kOperations); }
    void operations()
    {
        QFETCH(QString, line);
        const QString how = columns(line, 2)[1];
        const bool fails = line.contains(u'→');
        const QStringList sides = columns(line, 2)[0].split(fails ? u'→' : u'='),
                          operands = sides[0].split(u' ', Qt::SkipEmptyParts);
        const QString op = operands[1], expected = sides[1].trimmed();
        enter(operands[0] + u' ' + operands[2]);
        const int left = label("txtN3")->x();
        qint64 signWhileShown = 0; // a menu entry shows its sign before any message
        const QStringList messages = messagesDuring(
            [&] {
                if (how.isEmpty())
                    click(button(op));
                else if (how == "menu")
                    chooseMenuEntry(m_window.get(), "mnuFunction", "mnu" + kSigns[op].first);
                else if (how == "Space")
                    QTest::keyClick(button(op), Qt::Key_Space);
                else // the shortcut from inside a box, where the box has keys of its own
                    QTest::keySequence(box("txtD2"), QKeySequence(how));
            },
            [&] { signWhileShown = sign(); });
        QVERIFY(how != "menu" || !fails || signWhileShown == picture(op));
        QCOMPARE(messages, fails ? QStringList{expected} : QStringList());
        QCOMPARE(result(), fails ? " /" : asFields(expected));
        QCOMPARE(spoken(m_window.get()), fails ? "" : expected);
        QCOMPARE(named<QWidget>(m_window.get(), "lblAnswer")->accessibleName(),
                 "Result: " + (fails ? "none" : expected));
        QApplication::clipboard()->setText("held"); // nothing to copy keeps it
        QTest::keySequence(box("txtD2"), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), fails ? "held" : expected);
        QVERIFY(QAccessible::queryAccessibleInterface(label("txtD3"))
                    ->text(QAccessible::Name)
                    .endsWith(label("txtD3")->text()));
        // Every way but Space shows the operation's sign.
        QCOMPARE(sign(), how == "Space" ? 0 : picture(op));
        if (fails)
            return;
        // The bar ends at the right edge of the denominator. Every result field
        // shows its whole text: the labels inside the window, their left edge
        // kept; the whole part inside its box, centred.
        QCOMPARE(bar()->x2(), pixelsToTwips(label("txtD3")->geometry().right() + 1));
        for (QLabel *field : {label("txtN3"), label("txtD3")})
            QVERIFY(field->geometry().right() < m_window->centralWidget()->width() && field->x() == left);
        QLineEdit *whole = box("txtWholeNum");
        whole->selectAll();
        whole->repaint(); // lays the text out
        const int first = whole->inputMethodQuery(Qt::ImAnchorRectangle).toRectF().center().x();
        const int last = whole->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
        QVERIFY(first > 0 && last < whole->width() && qAbs(first - (whole->width() - last)) <= 3);
    }
    // Typing and pasting stop at each box's limit, with a beep for each
    // refusal; what the program writes is shown whole, in a smaller size of
    // the box's font while it is long.
    void boxes()
    {
        int beeps = 0;
        setBeepSink([&] { ++beeps; });
        for (const auto &[name, kept] : {std::pair{"txtN1", "123"},
                                         {"txtD1", "1234"},
                                         {"txtN2", "123"},
                                         {"txtD2", "1234"},
                                         {"txtWholeNum", "123"}}) {
            beeps = 0;
            typeInto(box(name), "123456");
            QCOMPARE(box(name)->text() + u' ' + QString::number(beeps), kept + QString(" %1").arg(6 - strlen(kept)));
            typeInto(box(name), "_");
            QApplication::clipboard()->setText("7 7/8");
            QTest::keySequence(box(name), QKeySequence::Paste);
            QCOMPARE(box(name)->text() + u' ' + QString::number(beeps),
                     QString("7 7/8").left(strlen(kept)) + QString(" %1").arg(7 - strlen(kept)));
        }
        // With text selected Ctrl+C copies the selection.
        typeInto(box("txtN1"), "123");
        box("txtN1")->setSelection(1, 2);
        QTest::keySequence(box("txtN1"), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), "23");
        setBeepSink({});
        QApplication::clipboard()->setText("123456");
        QLineEdit *whole = box("txtWholeNum");
        const double designed = whole->font().pointSizeF();
        for (const QString fractions : {"999/1 999/1", "1/2 1/3", "999/1 999/1"}) {
            enter(fractions);
            click(button(fractions.startsWith("999") ? "×" : "+"));
            QCOMPARE(whole->font().pointSizeF() < designed, whole->text() == "998001");
            QVERIFY(whole->font().pointSizeF() > 8);
            if (whole->text() == "0") { // the limit holds again for a paste at the end
                QTest::mouseClick(whole, Qt::LeftButton);
                QTest::keyClick(whole, Qt::Key_End);
                QTest::keySequence(whole, QKeySequence::Paste);
                QCOMPARE(whole->text(), "012");
            }
        }
        // The user can shorten such a text but not lengthen it past the limit.
        QTest::keyClick(whole, Qt::Key_End);
        QTest::keyClicks(whole, "9");
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(whole, Qt::Key_Backspace);
        QTest::keyClicks(whole, "345");
        QCOMPARE(whole->text(), "993");
    }
    void escapeClears()
    {
        enter("3/4 1/2");
        click(button("+"));
        const float barEnd = bar()->x2();
        // Esc from a box or a button, Alt+C: every box and field empty, the
        // result state 0, the sign and the bar where they were, Esc leaving the
        // focus alone.
        const std::pair<QWidget *, QKeyCombination> ways[] = {
            {box("txtN2"), Qt::Key_Escape}, {button("÷"), Qt::Key_Escape}, {box("txtN2"), Qt::ALT | Qt::Key_C}};
        for (const auto &[focus, key] : ways) {
            enter("3/4 1/2");
            typeInto(box("txtWholeNum"), "9");
            focus->setFocus();
            QTest::keySequence(focus, QKeySequence(key));
            QTRY_COMPARE(result(), " /"); // a button shows its press first
            QCOMPARE(box("txtN1")->text() + box("txtD1")->text() + box("txtN2")->text() + box("txtD2")->text(), "");
            QCOMPARE(m_engine.varResultNumerator.toText() + m_engine.varResultDenominator.toText()
                         + m_engine.varResultWhole.toText(),
                     "000");
            QCOMPARE(sign() + bar()->x2(), picture("+") + barEnd);
            QVERIFY(key.key() != Qt::Key_Escape || QApplication::focusWidget() == focus);
            QCOMPARE(spoken(m_window.get()), "Cleared");
        }
        for (QWidget *w : m_window->findChildren<QWidget *>()) // what the reader is told takes no room
            QVERIFY(QAccessible::queryAccessibleInterface(w)->role() != QAccessible::Notification
                    || w->size().isNull());
    }
    // A right click on any result field offers Copy: the answer whole; while
    // there is none (at first, after an error, after Clear), disabled.
    void copyFromTheResultFields()
    {
        const auto offered = [this](const QString &expected) {
            for (const char *field : {"txtWholeNum", "txtN3", "txtD3"}) {
                QApplication::clipboard()->setText("held");
                QCOMPARE(chooseOnlyContextEntry(named<QWidget>(m_window.get(), field)), expected);
                QCOMPARE(QApplication::clipboard()->text(), expected.endsWith("disabled") ? "held" : "1 1/4");
            }
        };
        enter("3/4 x/2");
        messagesDuring([&] { click(button("+")); });
        offered("&Copy, disabled");
        enter("3/4 1/2");
        click(button("+"));
        offered("&Copy");
        click(button("Clear"));
        offered("&Copy, disabled");
    }
    // Tab reaches the result last, framed while it has the focus, the boxes
    // and buttons in their order before it.
    void resultReachedWithTab()
    {
        QStringList walk;
        QWidget *answer = named<QWidget>(m_window.get(), "lblAnswer");
        const QImage unfocused = answer->grab().toImage();
        box("txtN1")->setFocus();
        for (int i = 0; i < 12; ++i) {
            walk << QApplication::focusWidget()->objectName();
            if (QApplication::focusWidget() == answer)
                QVERIFY(answer->grab().toImage() != unfocused);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(
            walk.join(u' '),
            "txtN1 txtD1 txtN2 txtD2 cmdAdd cmdSubtract cmdDivide cmdMultiply cmdClear cmdDecimal lblAnswer txtN1");
    }
    void names()
    {
        // Every control carries its name, and one a person can reach tells a
        // screen reader what it is; the bar is passed over.
        const QWidgetList controls = m_window->centralWidget()->findChildren<QWidget *>() << m_window->centralWidget();
        for (QWidget *w : controls) {
            QVERIFY2(!w->objectName().isEmpty(), w->metaObject()->className());
            QVERIFY(w->focusPolicy() == Qt::NoFocus
                    || !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty());
        }
        QVERIFY(QAccessible::queryAccessibleInterface(bar())->state().invisible);
        QVERIFY(m_window->centralWidget()->childAt(bar()->geometry().center()) != bar()); // a click there passes it
    }
    // A screen reader takes a menu entry's name and its key binding ("access
    // key;path;shortcut") and says the shortcut; pressing it runs the entry.
    void menuEntriesAsRead()
    {
        QStringList read; // the first two entries of each menu
        for (const char *name : {"mnuFile", "mnuHelp"}) {
            for (int i = 0; i < 2; ++i) {
                QAccessibleInterface *face =
                    QAccessible::queryAccessibleInterface(named<QMenu>(m_window.get(), name))->child(i);
                QAccessibleActionInterface *actions = face->actionInterface();
                read << face->text(QAccessible::Name) + u' '
                        + actions->keyBindingsForAction(actions->actionNames().value(0)).join(u';');
            }
        }
        QCOMPARE(read, QStringList({"Decimal d;;<Control>F2", "Exit ", "Contents c;;F1", "About a;;<Control>h"}));
        auto *menu = named<QMenu>(m_window.get(), "mnuFunction");
        QAction *add = named<QAction>(m_window.get(), "mnuAdd");
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(menu)->child(0);
        menu->popup(m_window->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(add);
        QVERIFY(face->state().focused && !face->state().invisible && !face->state().disabled);
        QCOMPARE(face->rect(),
                 QRect(menu->mapToGlobal(menu->actionGeometry(add).topLeft()), menu->actionGeometry(add).size()));
        QCOMPARE(face->parent()->object(), menu);
        menu->hide();
        enter("1/2 1/3");
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(result(), "0 5/6");
    }
    // Where the windows draw their own title bars (Wayland, no compositor's): one across the top, the
    // caption centred in bold, in the highlight's colours while the window is active and the buttons'
    // otherwise, a line below; a message box has one too.
    void ownTitleBar()
    {
        const auto restored = qScopeGuard([] { // also when a check fails
            TitleBar::setWanted(false);
            QApplication::setPalette(QApplication::style()->standardPalette());
        });
        TitleBar::setWanted(true);
        QPalette colours = QApplication::palette();
        const QList<std::pair<QPalette::ColorRole, QRgb>> roles = {
            {QPalette::Highlight, 0x0000c0}, {QPalette::HighlightedText, 0xffffff},
            {QPalette::Button, 0xd0d0d0},    {QPalette::ButtonText, 0x000000},
            {QPalette::Mid, 0x808080},       {QPalette::WindowText, 0xc00000}};
        for (const auto &[role, rgb] : roles)
            colours.setColor(role, QColor(rgb));
        QApplication::setPalette(colours);
        init();
        TitleBar::addTo(m_window.get()); // as the platform gives it
        auto *bar = named<QWidget>(m_window.get(), "titleBar");
        QVERIFY(bar);
        QCOMPARE(bar->geometry(), QRect(0, 0, m_window->width(), bar->height()));
        QFont bold = bar->font();
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).tightBoundingRect(m_window->windowTitle()).width();
        QWidget other;
        for (QWidget *active : {static_cast<QWidget *>(m_window.get()), &other}) {
            QVERIFY(showActive(active));
            const QImage image = bar->grab().toImage();
            const QColor paper = image.pixelColor(1, 1),
                         ink = colours.color(active == &other ? QPalette::ButtonText : QPalette::HighlightedText);
            QCOMPARE(paper, colours.color(active == &other ? QPalette::Button : QPalette::Highlight));
            QCOMPARE(image.pixelColor(1, image.height() - 1), colours.color(QPalette::Mid));
            int left = image.width(), right = 0, strongest = 0;
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
                for (int y = 0; y < image.height() - 2; ++y) { // above the line below
                    const QColor c = image.pixelColor(x, y);
                    if (c != paper) {
                        left = qMin(left, x);
                        right = qMax(right, x);
                    }
                    strongest = qMax(strongest, qRound(contrast(c, paper) * 100));
                }
            }
            QCOMPARE(strongest, qRound(contrast(ink, paper) * 100)); // the caption in the text colour
            QVERIFY2(qAbs((right - left + 1) / image.devicePixelRatio() - captionWidth) <= 2,
                     qPrintable(QString::number(right - left + 1))); // in bold
        }
        QCOMPARE(messagesDuring([&] { click(button("+")); },
                                [] { QVERIFY(QApplication::activeModalWidget()->findChild<QWidget *>("titleBar")); }),
                 QStringList{"FILL ALL BOXES"});
        QWidget fixed; // a window without a layout: its bar follows its width
        fixed.resize(200, 100);
        TitleBar::addTo(&fixed);
        QVERIFY(showActive(&fixed));
        fixed.setFixedWidth(240);
        QTRY_COMPARE(fixed.findChild<QWidget *>("titleBar")->width(), 240);
    }
    void picturesOnLightAndDark_data() { addCases(kSymbols); }
    // Each symbol stands out from its background on a light and a dark desktop,
    // started in it or switched to it while the program runs, drawn at the
    // screen's pixel ratio (this test runs at scale factors 1 and 2); the hand
    // pointer too.
    void picturesOnLightAndDark()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2), at = c[0].split(u' ', Qt::SkipEmptyParts);
        const QPalette light(QColor(0xef, 0xef, 0xef)), dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x22, 0x22));
        for (const auto &[start, switched] : {std::pair{light, dark}, std::pair{dark, light}}) {
            QApplication::setPalette(start);
            init();
            QTest::mouseMove(button("÷"), QPoint(5, 5));
            QTest::mouseMove(button("÷"), QPoint(9, 9));
            for (const QPalette &desktop : {start, switched}) {
                QApplication::setPalette(desktop);
                QApplication::sendEvent(m_window.get(),
                                        std::make_unique<QEvent>(QEvent::ApplicationPaletteChange).get());
                for (const QString &name : c[1].split(u' ')) {
                    QWidget *shown = named<QWidget>(m_window.get(), name);
                    const QImage image = shown->grab().toImage();
                    const QPoint point =
                        QPoint(shown->width() / 2 + at[0].toInt() - 16, shown->height() / 2 + at[1].toInt() - 16);
                    QVERIFY2(contrast(image.pixelColor(point * image.devicePixelRatio()),
                                      shown->palette().color(shown->backgroundRole()))
                                 >= 3,
                             qPrintable(name));
                }
                QCOMPARE(label("Image1")->grab().toImage(), label("imgDiv")->grab().toImage());
                QCOMPARE(box("txtWholeNum")->palette().color(QPalette::Base),
                         desktop.color(QPalette::Button)); // it blends in
            }
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
        // The three fraction bars, of equal specified thickness, drawn alike.
        for (const char *line : {"Line2", "Line3"})
            QCOMPARE(named<QWidget>(m_window.get(), line)->height(), bar()->height());
        // Each stands midway between its numerator and denominator.
        for (const auto &[line, over, under] : {std::tuple{"Line3", "txtN1", "txtD1"}, {"Line2", "txtN2", "txtD2"}})
            QVERIFY(qAbs(named<QWidget>(m_window.get(), line)->geometry().center().y() * 2
                         - box(over)->geometry().bottom() - box(under)->y())
                    <= 2);
        const qreal ratio = qApp->devicePixelRatio();
        QCOMPARE(label(c[1].section(u' ', 0, 0))->pixmap().size(), QSize(32, 32) * ratio);
        const QImage hand = button("+")->cursor().pixmap().toImage();
        QCOMPARE(hand.size(), QSize(32, 32) * ratio);
        QCOMPARE(button("+")->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(button("+")->icon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}})); // a sign drawn at two sizes
        QVERIFY(qAlpha(hand.pixel(QPoint(12, 1) * ratio)) > 0 && qAlpha(hand.pixel(0, 0)) == 0); // the finger tip
    }

private:
    QLineEdit *box(const char *name) const { return named<QLineEdit>(m_window.get(), name); }
    QPushButton *button(const QString &sign) const
    {
        return named<QPushButton>(m_window.get(), "cmd" + kSigns.value(sign, {sign, {}}).first);
    }
    QLabel *label(const QString &name) const { return named<QLabel>(m_window.get(), name); }
    LineWidget *bar() const { return named<LineWidget>(m_window.get(), "Line1"); }
    // Types "n1/d1 n2/d2" into the four boxes.
    void enter(const QString &fractions)
    {
        const QStringList typed = QString(fractions).replace(u'/', u' ').split(u' ', Qt::SkipEmptyParts);
        for (int i = 0; i < 4; ++i)
            typeInto(box(QStringList{"txtN1", "txtD1", "txtN2", "txtD2"}[i].toLatin1()), typed[i]);
    }
    QString result() const
    {
        return box("txtWholeNum")->text() + u' ' + label("txtN3")->text() + u'/' + label("txtD3")->text();
    }
    // The picture the operator sign shows (0: none yet), and a sign's own.
    qint64 sign() const { return label("Image1")->pixmap().isNull() ? 0 : label("Image1")->pixmap().cacheKey(); }
    qint64 picture(const QString &sign) const { return label(kSigns[sign].second)->pixmap().cacheKey(); }
    Module1 m_engine;
    std::unique_ptr<Form1> m_window;
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
