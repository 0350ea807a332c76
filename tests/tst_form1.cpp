// The calculator window, driven through its real widgets with the mouse and
// the keyboard.

#include "form1.h"
#include "guitest.h"
#include "linewidget.h"
#include "module1.h"
#include "placement.h"
#include "windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace zarnith;
using namespace zarnith::test;

namespace {

const QString kFillAllBoxes = QStringLiteral("FILL ALL BOXES");

// How a test starts an operation.
enum class Trigger { ButtonClick, MenuShortcut, MenuEntry, SpaceOnButton };

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void namesAndKinds();
    void menus();
    void windowFrame();
    void layoutInTwips();
    void startState();
    void addThreeQuartersAndAHalf();
    void operations_data();
    void operations();
    void messageBox();
    void errorLeavesDisplay();
    void menuShowsSignBeforeMessage();
    void signFollowsPointer();
    void spaceLeavesSign();
    void inputLimits_data();
    void inputLimits();
    void pasteLimit();
    void longWholeShownWhole();
    void escapeClears();
    void enterPressesNothing();
    void tabOrder();
    void wholeNumberTypedIsIgnored();
    void barFollowsDenominator();
    void handPointerOnButtonsOnly();
    void exitAndCloseEndTheProgram();
    void placement();

private:
    template <class T>
    T *child(const char *name) const
    {
        return named<T>(m_window.get(), name);
    }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QLabel *label(const char *name) const { return child<QLabel>(name); }
    QAction *action(const char *name) const { return child<QAction>(name); }

    void enter(const QString &n1, const QString &d1, const QString &n2, const QString &d2);
    void trigger(const char *operation, Trigger how);
    void clickOperation(const char *buttonName);
    QStringList result() const; // whole, numerator, denominator
    qint64 signKey() const;
    qint64 pictureKey(const char *name) const;

    std::unique_ptr<Module1> m_engine;
    std::unique_ptr<Form1> m_window;
};

void TestForm1::initTestCase()
{
    quietPlatformWarnings();
}

void TestForm1::init()
{
    m_engine = std::make_unique<Module1>();
    m_window = std::make_unique<Form1>(*m_engine);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestForm1::cleanup()
{
    m_window.reset();
    m_engine.reset();
}

void TestForm1::enter(const QString &n1, const QString &d1, const QString &n2, const QString &d2)
{
    typeInto(box("txtN1"), n1);
    typeInto(box("txtD1"), d1);
    typeInto(box("txtN2"), n2);
    typeInto(box("txtD2"), d2);
}

// A person's click: the pointer moves onto the button, then clicks.
void TestForm1::clickOperation(const char *buttonName)
{
    QPushButton *b = button(buttonName);
    QTest::mouseMove(b, b->rect().center() - QPoint(3, 3));
    QTest::mouseMove(b, b->rect().center());
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
}

void TestForm1::trigger(const char *operation, Trigger how)
{
    const QString name = QString::fromLatin1(operation); // "Add", ...
    const QByteArray buttonName = ("cmd" + name).toLatin1();
    switch (how) {
    case Trigger::ButtonClick:
        clickOperation(buttonName.constData());
        break;
    case Trigger::MenuShortcut: {
        // From inside a text box, where the box would take Ctrl+A itself.
        QLineEdit *focus = box("txtD2");
        QTest::mouseClick(focus, Qt::LeftButton);
        QTest::keySequence(focus, action(("mnu" + name).toLatin1().constData())->shortcut());
        break;
    }
    case Trigger::MenuEntry:
        QVERIFY(chooseMenuEntry(m_window.get(), "mnuFunction", ("mnu" + name).toLatin1().constData()));
        break;
    case Trigger::SpaceOnButton: {
        QPushButton *b = button(buttonName.constData());
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
        break;
    }
    }
}

QStringList TestForm1::result() const
{
    return {box("txtWholeNum")->text(), label("txtN3")->text(), label("txtD3")->text()};
}

qint64 TestForm1::signKey() const
{
    return label("Image1")->pixmap().isNull() ? 0 : label("Image1")->pixmap().cacheKey();
}

qint64 TestForm1::pictureKey(const char *name) const
{
    return label(name)->pixmap().cacheKey();
}

void TestForm1::namesAndKinds()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    for (const char *name : {"txtN1", "txtD1", "txtN2", "txtD2", "txtWholeNum"})
        QVERIFY2(box(name), name);
    for (const char *name : {"cmdAdd", "cmdSubtract", "cmdMultiply", "cmdDivide", "cmdClear", "cmdDecimal"})
        QVERIFY2(button(name), name);
    for (const char *name : {"txtN3", "txtD3", "Image1", "imgPlus", "imgNeg", "imgMulti", "imgDiv", "imgEquals"})
        QVERIFY2(label(name), name);
    for (const char *name : {"Frame1", "Frame2"})
        QVERIFY2(child<QGroupBox>(name), name);
    for (const char *name : {"Line1", "Line2", "Line3"})
        QVERIFY2(child<LineWidget>(name), name);
    // The six buttons stand in Frame1.
    for (QPushButton *b : m_window->findChildren<QPushButton *>())
        QCOMPARE(b->parentWidget(), static_cast<QWidget *>(child<QGroupBox>("Frame1")));
    // Pictures are pixmaps; the picture buttons show a picture and no text.
    for (const char *name : {"imgPlus", "imgNeg", "imgMulti", "imgDiv", "imgEquals"})
        QCOMPARE(label(name)->pixmap().size(), QSize(32, 32));
    for (const char *name : {"cmdAdd", "cmdSubtract", "cmdMultiply", "cmdDivide"}) {
        QVERIFY(button(name)->text().isEmpty());
        QVERIFY(!button(name)->icon().isNull());
    }
    QCOMPARE(button("cmdClear")->text(), QStringLiteral("&Clear"));
    QCOMPARE(button("cmdDecimal")->text(), QStringLiteral("&Decimal"));
}

void TestForm1::menus()
{
    struct Entry {
        const char *menu, *name, *caption;
        QKeySequence shortcut;
    };
    const Entry entries[] = {
        {"mnuFile", "mnuDecimal", "&Decimal", QKeySequence(Qt::CTRL | Qt::Key_F2)},
        {"mnuFile", "mnuExit", "&Exit", QKeySequence()},
        {"mnuFunction", "mnuAdd", "&Add", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"mnuFunction", "mnuDivide", "&Divide", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {"mnuFunction", "mnuMultiply", "&Multiply", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"mnuFunction", "mnuSubtract", "&Subtract", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuHelp", "mnuContents", "&Contents", QKeySequence(Qt::Key_F1)},
        {"mnuHelp", "mnuAbout", "&About", QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
    QStringList bar;
    for (QAction *a : m_window->menuBar()->actions())
        bar << a->text();
    QCOMPARE(bar, QStringList({"&File", "&Functions", "&Help"}));
    QMap<QString, QStringList> order;
    for (const Entry &e : entries) {
        QAction *a = action(e.name);
        QVERIFY2(a, e.name);
        QCOMPARE(a->text(), QString::fromLatin1(e.caption));
        QCOMPARE(a->shortcut(), e.shortcut);
        QVERIFY(a->isEnabled() && a->isVisible() && !a->isCheckable());
        order[e.menu] << e.name;
    }
    for (auto it = order.cbegin(); it != order.cend(); ++it) {
        QStringList names;
        for (QAction *a : child<QMenu>(it.key().toLatin1().constData())->actions()) {
            QVERIFY(!a->isSeparator());
            names << a->objectName();
        }
        QCOMPARE(names, it.value());
    }
}

void TestForm1::windowFrame()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zarnith"));
    QVERIFY(!m_window->windowIcon().isNull());
    for (int size : {16, 24, 32, 48})
        QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(size, size)));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    // Fixed size: the client area of 4628 by 2743 twips below the menu bar.
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->centralWidget()->size(), QSize(309, 183));
    QCOMPARE(m_window->height(), 183 + m_window->menuBar()->height());
    m_window->showMinimized();
    QTRY_VERIFY(m_window->isMinimized());
}

void TestForm1::layoutInTwips()
{
    struct Placed {
        const char *name;
        QRect pixels; // twips / 15, rounded
    };
    const Placed placed[] = {
        {"Frame2", QRect(2, 56, 305, 6)},      {"Frame1", QRect(44, 64, 215, 103)},
        {"cmdDecimal", QRect(126, 58, 77, 39)}, {"cmdClear", QRect(126, 14, 77, 39)},
        {"cmdAdd", QRect(12, 14, 39, 39)},      {"cmdSubtract", QRect(64, 14, 39, 39)},
        {"cmdMultiply", QRect(64, 58, 39, 39)}, {"cmdDivide", QRect(12, 58, 39, 39)},
        {"txtWholeNum", QRect(192, 16, 57, 37)}, {"txtD2", QRect(100, 38, 47, 19)},
        {"txtN2", QRect(100, 5, 47, 20)},       {"txtD1", QRect(6, 38, 47, 19)},
        {"txtN1", QRect(6, 5, 47, 20)},         {"Image1", QRect(62, 18, 32, 32)},
        {"imgEquals", QRect(156, 18, 32, 32)},
    };
    for (const Placed &p : placed) {
        QWidget *w = child<QWidget>(p.name);
        QVERIFY2(w, p.name);
        QCOMPARE(w->geometry(), p.pixels);
    }
    // The lines' ends: from Left/Top to Width/Height in twips, 3 pixels thick.
    const auto *line3 = child<LineWidget>("Line3");
    QCOMPARE(line3->geometry(), QRect(6, 31, 48, 3));
    QCOMPARE(child<LineWidget>("Line2")->geometry(), QRect(100, 31, 48, 3));
    QCOMPARE(child<LineWidget>("Line1")->geometry().left(), 258);
    // Fonts: the sizes asked for, bold where the window has bold.
    QCOMPARE(box("txtN1")->font().pointSizeF(), 8.83);
    QVERIFY(box("txtN1")->font().bold());
    QCOMPARE(box("txtWholeNum")->font().pointSizeF(), 21.74);
    QCOMPARE(button("cmdClear")->font().pointSizeF(), 12.23);
    QCOMPARE(label("txtN3")->font().pointSizeF(), 8.83);
    QCOMPARE(m_window->font().pointSizeF(), 8.0);
    for (const char *name : {"txtN1", "txtD1", "txtN2", "txtD2", "txtWholeNum"})
        QCOMPARE(box(name)->alignment(), Qt::AlignCenter);
}

void TestForm1::startState()
{
    for (const char *name : {"txtN1", "txtD1", "txtN2", "txtD2", "txtWholeNum"})
        QVERIFY(box(name)->text().isEmpty());
    QCOMPARE(result(), QStringList({"", "", ""}));
    QCOMPARE(signKey(), 0);
    const auto *bar = child<LineWidget>("Line1");
    QCOMPARE(bar->x1(), 3870.0f);
    QCOMPARE(bar->x2(), 3900.0f);
    QVERIFY(label("imgEquals")->isVisible());
    for (const char *name : {"imgPlus", "imgNeg", "imgMulti", "imgDiv"})
        QVERIFY(!label(name)->isVisible());
    QCOMPARE(QApplication::focusWidget(), box("txtN1"));
}

void TestForm1::addThreeQuartersAndAHalf()
{
    enter("3", "4", "1", "2");
    clickOperation("cmdAdd");
    QCOMPARE(result(), QStringList({"1", "1", "4"}));
    QCOMPARE(signKey(), pictureKey("imgPlus"));
    // The bar reaches the denominator's right edge.
    const QRect d3 = label("txtD3")->geometry();
    QCOMPARE(child<LineWidget>("Line1")->x2(), float((d3.left() + d3.width()) * 15));
    QCOMPARE(child<LineWidget>("Line1")->geometry().right(), d3.right());
    QVERIFY(label("txtD3")->width() >= label("txtD3")->fontMetrics().horizontalAdvance("4"));
}

void TestForm1::operations_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("how");
    QTest::addColumn<QStringList>("shown"); // empty: "FILL ALL BOXES"

    struct Row {
        const char *name;
        QStringList entries;
        const char *operation;
        Trigger how;
        QStringList shown;
    };
    const QStringList none;
    const Row rows[] = {
        {"1/2 + 1/3 by click", {"1", "2", "1", "3"}, "Add", Trigger::ButtonClick, {"0", "5", "6"}},
        {"1/2 + 1/2 by menu", {"1", "2", "1", "2"}, "Add", Trigger::MenuEntry, {"1", "0", "0"}},
        {"1/2 - 1/2 is zero", {"1", "2", "1", "2"}, "Subtract", Trigger::ButtonClick, {"0", "0", "0"}},
        {"1/4 - 3/4 by Ctrl+S", {"1", "4", "3", "4"}, "Subtract", Trigger::MenuShortcut, {"0", "-1", "2"}},
        {"1/2 - 2/1 by Space", {"1", "2", "2", "1"}, "Subtract", Trigger::SpaceOnButton, {"0", "-3", "2"}},
        {"1/-2 * 1/1 by Ctrl+M", {"1", "-2", "1", "1"}, "Multiply", Trigger::MenuShortcut, {"0", "-1", "2"}},
        {"999/1 * 999/1", {"999", "1", "999", "1"}, "Multiply", Trigger::ButtonClick, {"998001", "0", "0"}},
        {"1/2 / -1/4 by Ctrl+D", {"1", "2", "-1", "4"}, "Divide", Trigger::MenuShortcut, {"-2", "0", "0"}},
        {"2/3 / 4/9 by menu", {"2", "3", "4", "9"}, "Divide", Trigger::MenuEntry, {"1", "1", "2"}},
        {"1/2 / 0/5", {"1", "2", "0", "5"}, "Divide", Trigger::ButtonClick, none},
        {"-1/2 / 0/5", {"-1", "2", "0", "5"}, "Divide", Trigger::ButtonClick, none},
        {"0/2 / 0/5", {"0", "2", "0", "5"}, "Divide", Trigger::ButtonClick, none},
        {"1/2 - 1/0", {"1", "2", "1", "0"}, "Subtract", Trigger::ButtonClick, none},
        {"1/2 + 1/0", {"1", "2", "1", "0"}, "Add", Trigger::ButtonClick, none},
        {"1/0.5 / 3/4", {"1", "0.5", "3", "4"}, "Divide", Trigger::ButtonClick, none},
        {"1/0.5 * 4/3", {"1", "0.5", "4", "3"}, "Multiply", Trigger::ButtonClick, none},
        {"1/0.4 + 0/1", {"1", "0.4", "0", "1"}, "Add", Trigger::ButtonClick, none},
        {"1.5 as numerator", {"1.5", "2", "1", "2"}, "Add", Trigger::ButtonClick, none},
        {"2.0 is whole", {"2.0", "3", "1", "3"}, "Add", Trigger::ButtonClick, {"1", "0", "0"}},
        {"1e3 is whole", {"1e3", "999", "0", "1"}, "Add", Trigger::ButtonClick, {"1", "1", "999"}},
        {"blank before 7", {" 7", "2", "0", "1"}, "Add", Trigger::ButtonClick, {"3", "1", "2"}},
        {"9e9 overflows", {"9e9", "1", "0", "1"}, "Add", Trigger::ButtonClick, none},
        {"letters", {"a", "2", "1", "2"}, "Add", Trigger::ButtonClick, none},
        {"all empty", {"", "", "", ""}, "Add", Trigger::ButtonClick, none},
        {"all empty by Ctrl+A", {"", "", "", ""}, "Add", Trigger::MenuShortcut, none},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << r.entries << QString(r.operation) << int(r.how) << r.shown;
}

void TestForm1::operations()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, operation);
    QFETCH(int, how);
    QFETCH(QStringList, shown);

    enter(entries[0], entries[1], entries[2], entries[3]);
    const auto messages = messagesDuring([&] { trigger(operation.toLatin1().constData(), Trigger(how)); });
    if (shown.isEmpty()) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, kFillAllBoxes);
        QCOMPARE(result(), QStringList({"", "", ""}));
    } else {
        QVERIFY(messages.isEmpty());
        QCOMPARE(result(), shown);
    }
    // Every way but Space leaves the operation's sign.
    const QMap<QString, const char *> pictures = {
        {"Add", "imgPlus"}, {"Subtract", "imgNeg"}, {"Multiply", "imgMulti"}, {"Divide", "imgDiv"}};
    if (Trigger(how) == Trigger::SpaceOnButton)
        QCOMPARE(signKey(), 0);
    else
        QCOMPARE(signKey(), pictureKey(pictures[operation]));
}

void TestForm1::messageBox()
{
    typeInto(box("txtN1"), "1");
    const auto messages = messagesDuring([&] { clickOperation("cmdAdd"); });
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].caption, QStringLiteral("Zarnith"));
    QCOMPARE(messages[0].text, kFillAllBoxes);
    QVERIFY(!messages[0].hasIcon);
    QCOMPARE(messages[0].buttonCount, 1);
    QVERIFY(messages[0].modal);
    // Nothing is cleared afterwards.
    QCOMPARE(box("txtN1")->text(), QStringLiteral("1"));
    QCOMPARE(result(), QStringList({"", "", ""}));
}

void TestForm1::errorLeavesDisplay()
{
    enter("1", "2", "1", "3");
    clickOperation("cmdAdd");
    QCOMPARE(result(), QStringList({"0", "5", "6"}));
    const float bar = child<LineWidget>("Line1")->x2();
    typeInto(box("txtD2"), "");
    QVERIFY(box("txtD2")->text().isEmpty());
    QCOMPARE(messagesDuring([&] { clickOperation("cmdAdd"); }).size(), 1);
    QCOMPARE(result(), QStringList({"0", "5", "6"}));
    QCOMPARE(child<LineWidget>("Line1")->x2(), bar);
}

void TestForm1::menuShowsSignBeforeMessage()
{
    qint64 signWhileShown = -1;
    const auto messages = messagesDuring([&] { trigger("Subtract", Trigger::MenuEntry); },
                                         [&] { signWhileShown = signKey(); });
    QCOMPARE(messages.size(), 1);
    QCOMPARE(signWhileShown, pictureKey("imgNeg"));
}

void TestForm1::signFollowsPointer()
{
    const struct {
        const char *button, *picture;
    } rows[] = {{"cmdAdd", "imgPlus"}, {"cmdSubtract", "imgNeg"},
                {"cmdDivide", "imgDiv"}, {"cmdMultiply", "imgMulti"}};
    for (const auto &row : rows) {
        QPushButton *b = button(row.button);
        QTest::mouseMove(b, QPoint(5, 5));
        QTest::mouseMove(b, QPoint(10, 10));
        QCOMPARE(signKey(), pictureKey(row.picture));
        // Leaving the button does not restore anything.
        QTest::mouseMove(box("txtN1"), QPoint(5, 5));
        QCOMPARE(signKey(), pictureKey(row.picture));
    }
    // Clear and Decimal do not touch the sign.
    QTest::mouseMove(button("cmdClear"), QPoint(5, 5));
    QTest::mouseMove(button("cmdClear"), QPoint(10, 10));
    QCOMPARE(signKey(), pictureKey("imgMulti"));
}

void TestForm1::spaceLeavesSign()
{
    enter("1", "2", "1", "3");
    QTest::mouseMove(button("cmdDivide"), QPoint(5, 5));
    QTest::mouseMove(button("cmdDivide"), QPoint(8, 8));
    trigger("Add", Trigger::SpaceOnButton);
    QCOMPARE(result(), QStringList({"0", "5", "6"}));
    QCOMPARE(signKey(), pictureKey("imgDiv"));
}

void TestForm1::inputLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    QTest::newRow("txtN1") << "txtN1" << "123";
    QTest::newRow("txtN2") << "txtN2" << "123";
    QTest::newRow("txtD1") << "txtD1" << "1234";
    QTest::newRow("txtD2") << "txtD2" << "1234";
    QTest::newRow("txtWholeNum") << "txtWholeNum" << "123";
}

void TestForm1::inputLimits()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    QLineEdit *edit = box(name.toLatin1().constData());
    typeInto(edit, "123456");
    QCOMPARE(edit->text(), kept);
}

void TestForm1::pasteLimit()
{
    QApplication::clipboard()->setText("12345");
    QLineEdit *edit = box("txtN1");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QTest::mouseClick(box("txtD1"), Qt::LeftButton);
    QTest::keySequence(box("txtD1"), QKeySequence::Paste);
    QCOMPARE(box("txtD1")->text(), QStringLiteral("1234"));
}

void TestForm1::longWholeShownWhole()
{
    enter("999", "1", "999", "1");
    clickOperation("cmdMultiply");
    QLineEdit *whole = box("txtWholeNum");
    QCOMPARE(whole->text(), QStringLiteral("998001"));
    // Readable: the whole text fits the box, in a smaller size of its font.
    QVERIFY(whole->fontMetrics().horizontalAdvance(whole->text()) < whole->width() - 4);
    QVERIFY(whole->font().pointSizeF() < 21.74);
    QVERIFY(whole->font().pointSizeF() > 8);
    // The user can shorten the text but not lengthen it past the limit...
    QTest::mouseClick(whole, Qt::LeftButton);
    QTest::keyClick(whole, Qt::Key_End);
    QTest::keyClick(whole, Qt::Key_9);
    QCOMPARE(whole->text(), QStringLiteral("998001"));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(whole, Qt::Key_Backspace);
    QTest::keyClicks(whole, "345");
    QCOMPARE(whole->text(), QStringLiteral("993"));
    // ...and a short result is shown at the full size again.
    enter("1", "2", "1", "3");
    clickOperation("cmdAdd");
    QCOMPARE(whole->text(), QStringLiteral("0"));
    QCOMPARE(whole->font().pointSizeF(), 21.74);
}

void TestForm1::escapeClears()
{
    enter("3", "4", "1", "2");
    clickOperation("cmdAdd");
    const qint64 sign = signKey();
    const float bar = child<LineWidget>("Line1")->x2();
    QVERIFY(bar > 3900.0f);
    // From a box...
    QTest::mouseClick(box("txtN2"), Qt::LeftButton);
    QTest::keyClick(box("txtN2"), Qt::Key_Escape);
    for (const char *name : {"txtN1", "txtD1", "txtN2", "txtD2", "txtWholeNum"})
        QVERIFY2(box(name)->text().isEmpty(), name);
    QCOMPARE(result(), QStringList({"", "", ""}));
    QCOMPARE(signKey(), sign);
    QCOMPARE(child<LineWidget>("Line1")->x2(), bar);
    QCOMPARE(m_engine->varResultNumerator.kind(), Variant::Kind::Int16);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("txtN2")));
    // ...and from a button; the next operation works as usual.
    enter("1", "2", "1", "3");
    button("cmdDivide")->setFocus();
    QTest::keyClick(button("cmdDivide"), Qt::Key_Escape);
    QVERIFY(box("txtN1")->text().isEmpty());
    enter("2", "3", "4", "9");
    clickOperation("cmdDivide");
    QCOMPARE(result(), QStringList({"1", "1", "2"}));
    // Alt+C is Clear's access key.
    QTest::mouseClick(box("txtN1"), Qt::LeftButton);
    QTest::keyClick(box("txtN1"), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(result(), QStringList({"", "", ""})); // the button shows its press first
}

void TestForm1::enterPressesNothing()
{
    enter("1", "2", "1", "3");
    QTest::keyClick(box("txtD2"), Qt::Key_Return);
    QTest::keyClick(box("txtD2"), Qt::Key_Enter);
    button("cmdAdd")->setFocus();
    QTest::keyClick(button("cmdAdd"), Qt::Key_Return);
    QCOMPARE(result(), QStringList({"", "", ""}));
    QCOMPARE(box("txtN1")->text(), QStringLiteral("1"));
}

void TestForm1::tabOrder()
{
    QTest::mouseClick(box("txtN1"), Qt::LeftButton);
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"txtD1", "txtN2", "txtD2", "cmdAdd", "cmdSubtract", "cmdDivide",
                                   "cmdMultiply", "cmdClear", "cmdDecimal", "txtN1"}));
    // Not a tab stop, but a click puts the caret there.
    QTest::mouseClick(box("txtWholeNum"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("txtWholeNum")));
}

void TestForm1::wholeNumberTypedIsIgnored()
{
    enter("1", "2", "1", "3");
    typeInto(box("txtWholeNum"), "77");
    clickOperation("cmdAdd");
    QCOMPARE(result(), QStringList({"0", "5", "6"}));
    typeInto(box("txtWholeNum"), "88");
    button("cmdClear")->click();
    QVERIFY(box("txtWholeNum")->text().isEmpty());
}

void TestForm1::barFollowsDenominator()
{
    auto *bar = child<LineWidget>("Line1");
    enter("1", "2", "1", "3");
    clickOperation("cmdAdd"); // 5/6
    const float narrow = bar->x2();
    enter("1", "999", "1", "1000");
    clickOperation("cmdMultiply"); // 1/999000
    QCOMPARE(result(), QStringList({"0", "1", "999000"}));
    const float wide = bar->x2();
    QVERIFY(wide > narrow);
    QCOMPARE(wide, float(label("txtD3")->geometry().right() + 1) * 15);
    enter("1", "2", "1", "3");
    clickOperation("cmdAdd");
    QCOMPARE(bar->x2(), narrow);
    // A whole result's denominator is "0": the bar spans that digit.
    enter("1", "2", "1", "2");
    clickOperation("cmdAdd");
    QCOMPARE(bar->x2(), float(label("txtD3")->geometry().right() + 1) * 15);
    QCOMPARE(bar->x1(), 3870.0f);
}

void TestForm1::handPointerOnButtonsOnly()
{
    for (QPushButton *b : m_window->findChildren<QPushButton *>()) {
        const QCursor cursor = b->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        // The finger tip is drawn; the corner is clear.
        const QImage image = cursor.pixmap().toImage();
        QVERIFY(qAlpha(image.pixel(12, 1)) > 0);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
    for (QWidget *w : {static_cast<QWidget *>(m_window.get()), static_cast<QWidget *>(box("txtN1")),
                       static_cast<QWidget *>(child<QGroupBox>("Frame1"))})
        QVERIFY(w->cursor().shape() != Qt::BitmapCursor);
}

void TestForm1::exitAndCloseEndTheProgram()
{
    QSignalSpy unloading(m_window.get(), &Form1::unloading);
    QVERIFY(chooseMenuEntry(m_window.get(), "mnuFile", "mnuExit"));
    QCOMPARE(unloading.count(), 1);
    QTRY_VERIFY(!m_window->isVisible());

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(m_window->close()); // the close box
    QCOMPARE(unloading.count(), 2);
}

void TestForm1::placement()
{
    placeCalculatorWindow(m_window.get());
    const QRect screen = m_window->screen()->geometry();
    const QRect frame = m_window->frameGeometry();
    const float left = centredLeft(screen.width() * 15.0f, frame.width() * 15.0f);
    const float top = calculatorTop(screen.height() * 15.0f, frame.height() * 15.0f);
    QCOMPARE(frame.topLeft(), QPoint(twipsToPixels(left), twipsToPixels(top)));
    // Its bottom a quarter of its height above the bottom of the screen.
    QVERIFY(qAbs(screen.height() - frame.bottom() - 1 - frame.height() / 4.0) <= 1.0);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
