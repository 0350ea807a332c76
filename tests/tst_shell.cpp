// The running program, started as main starts it: the platform chosen,
// placement, moving between the two windows, ending, the About box from its
// three entry points, and the help viewer from every Contents entry.
// desktops.sh runs platformChosen under weston, with and without X11.

#include "application.h"
#include "form1.h"
#include "frmabout.h"
#include "frmfract.h"
#include "harness.h"
#include "helpwindow.h"
#include "platform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// Which window, then how the person ends the program.
const char *const kEndings = R"(
    calculator | File > Exit
    calculator | close box
    Decimals   | File > Exit
    Decimals   | close box
)";

// The folder Zarnith was started in | what Contents and F1 show, twice in
// each window.
const char *const kHelpFolders = R"(
    the build folder | the viewer, captioned Zarnith Help
    an empty folder  | Cannot open the file: {folder}/Zarnith.chm
    /                | Cannot open the file: //Zarnith.chm
)";

// How the About box is closed.
const char *const kAboutClosings = R"(
    OK clicked
    Enter
    Esc
    close box
)";

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void init();
    void cleanup();

    void startsWithTheCalculatorPlaced();
    void decimalOpensTheDecimalsWindowOnceAbove();
    void fractionsBringsTheCalculatorForward();
    void endings_data() { addCases(kEndings); }
    void endings();
    void aboutFromTheCalculator();
    void aboutClosings_data() { addCases(kAboutClosings); }
    void aboutClosings();
    void aboutFromTheDecimalsWindow();
    void help_data() { addCases(kHelpFolders); }
    void help();
    void platformChosen();

private:
    Form1 &calculator() { return m_app->calculator(); }
    FrmFract *openDecimals();
    FrmAbout *aboutByKey(QMainWindow *window, const char *box);

    HelpWindow *viewer() const;

    std::unique_ptr<Application> m_app;
};

void TestShell::init()
{
    m_app = std::make_unique<Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator()));
}

void TestShell::cleanup()
{
    m_app.reset();
    QTest::qWait(0); // boxes closed with the program are deleted later
}

// The Decimal button, clicked in the calculator.
FrmFract *TestShell::openDecimals()
{
    click(named<QPushButton>(&calculator(), "cmdDecimal"));
    FrmFract *decimals = m_app->decimals();
    return decimals && QTest::qWaitForWindowExposed(decimals) ? decimals : nullptr;
}

// Ctrl+H pressed in a box of the window.
FrmAbout *TestShell::aboutByKey(QMainWindow *window, const char *box)
{
    if (!showActive(window))
        return nullptr;
    QTest::mouseClick(named<QLineEdit>(window, box), Qt::LeftButton);
    QTest::keyClick(named<QLineEdit>(window, box), Qt::Key_H, Qt::ControlModifier);
    FrmAbout *about = m_app->about().box();
    return about && QTest::qWaitForWindowExposed(about) ? about : nullptr;
}

void TestShell::startsWithTheCalculatorPlaced()
{
    QVERIFY(calculator().isVisible() && !m_app->decimals());
    const QRect screen = calculator().screen()->geometry();
    const QRect frame = calculator().frameGeometry();
    QCOMPARE(frame.left(), (screen.width() - frame.width()) / 2);
    // Its bottom a quarter of its own height above the bottom of the screen.
    QVERIFY(qAbs(screen.height() - frame.bottom() - 1 - frame.height() / 4.0) <= 1.0);
}

void TestShell::decimalOpensTheDecimalsWindowOnceAbove()
{
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    const QRect frame = decimals->frameGeometry();
    QCOMPARE(frame.left(), (decimals->screen()->geometry().width() - frame.width()) / 2);
    QCOMPARE(frame.bottom() + 1, calculator().frameGeometry().top());
    // Ctrl+F2 in a calculator box brings the same window forward, as the
    // user left it: its boxes and its place.
    typeInto(named<QLineEdit>(decimals, "txtDecimal"), "2.75");
    decimals->move(10, 20);
    const QPoint moved = decimals->pos();
    QVERIFY(showActive(&calculator()));
    QTest::mouseClick(named<QLineEdit>(&calculator(), "txtN1"), Qt::LeftButton);
    QTest::keyClick(named<QLineEdit>(&calculator(), "txtN1"), Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(m_app->decimals(), decimals);
    QTRY_VERIFY(decimals->isActiveWindow());
    QCOMPARE(named<QLineEdit>(decimals, "txtDecimal")->text(), "2.75");
    QCOMPARE(decimals->pos(), moved);
}

void TestShell::fractionsBringsTheCalculatorForward()
{
    typeInto(named<QLineEdit>(&calculator(), "txtN1"), "3");
    const QPoint where = calculator().pos();
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    QTRY_VERIFY(decimals->isActiveWindow());
    QTest::mouseClick(named<QLineEdit>(decimals, "txtNumerator"), Qt::LeftButton);
    QTest::keyClick(named<QLineEdit>(decimals, "txtNumerator"), Qt::Key_F2, Qt::ControlModifier);
    QTRY_VERIFY(calculator().isActiveWindow());
    QVERIFY(decimals->isVisible());
    QCOMPARE(calculator().pos(), where);
    QCOMPARE(named<QLineEdit>(&calculator(), "txtN1")->text(), "3");
}

void TestShell::endings()
{
    QFETCH(QString, line);
    const QStringList how = columns(line, 2);
    // Closing the calculator before the Decimals window was ever opened
    // ends the program without loading it.
    if (how[0] == "calculator" && how[1] == "close box") {
        calculator().close();
        QTRY_VERIFY(!calculator().isVisible());
        QVERIFY(!m_app->decimals());
        return;
    }
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    QMainWindow *window = how[0] == "calculator" ? static_cast<QMainWindow *>(&calculator()) : decimals;
    if (how[1] == "close box")
        window->close();
    else
        QVERIFY(chooseMenuEntry(window, "mnuFile", "mnuExit"));
    QTRY_VERIFY(!calculator().isVisible());
    QVERIFY(!decimals->isVisible());
}

void TestShell::aboutFromTheCalculator()
{
    FrmAbout *about = aboutByKey(&calculator(), "txtN1");
    QVERIFY(about && !about->isModal());
    QCOMPARE(about->windowTitle(), "Zarnith");
    QCOMPARE(about->ui().lblVersion->text(), "Version 8.0");
    QVERIFY(about->ui().Label3->text().startsWith("\u00a9 "));
    const QRect screen = about->screen()->geometry();
    QVERIFY((about->frameGeometry().center() - screen.center()).manhattanLength() <= 1);
    // The calculator keeps taking input; a second About brings the same box
    // forward, where it was.
    about->move(about->pos() + QPoint(7, 7));
    const QPoint moved = about->pos();
    typeInto(named<QLineEdit>(&calculator(), "txtN1"), "7");
    QCOMPARE(named<QLineEdit>(&calculator(), "txtN1")->text(), "7");
    QVERIFY(showActive(&calculator()));
    QCOMPARE(aboutByKey(&calculator(), "txtN1"), about);
    QTRY_VERIFY(about->isActiveWindow());
    QCOMPARE(about->pos(), moved);
    // It closes with the program.
    QPointer<FrmAbout> closing = about;
    m_app->endProgram();
    QTRY_VERIFY(!closing);
}

void TestShell::aboutClosings()
{
    QFETCH(QString, line);
    for (int showing = 0; showing < 2; ++showing) {
        QPointer<FrmAbout> about = aboutByKey(&calculator(), "txtN1");
        QVERIFY(about);
        // Each showing is loaded afresh: the sign stands once before the notice.
        QCOMPARE(about->ui().Label3->text().count(u'\u00a9'), 1);
        if (line == "OK clicked")
            click(about->ui().cmdOK);
        else if (line == "close box")
            about->close();
        else
            QTest::keyClick(about, line == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        QTRY_VERIFY(!about); // destroyed, not hidden
    }
}

void TestShell::aboutFromTheDecimalsWindow()
{
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    // Modal: the handler waits until the box closes.
    bool returned = false, modalWhileOpen = false;
    QTimer::singleShot(50, [&] {
        FrmAbout *about = m_app->about().box();
        modalWhileOpen = about && QApplication::activeModalWidget() == about && !returned;
        if (about)
            QTest::keyClick(about, Qt::Key_Escape);
    });
    QVERIFY(!aboutByKey(decimals, "txtNumerator"));
    returned = true;
    QVERIFY(modalWhileOpen);
    // The web address shows it not modal; a second click, or the About
    // entry, brings the same box forward and returns at once.
    click(named<QLabel>(decimals, "Label1"));
    FrmAbout *about = m_app->about().box();
    QVERIFY(about && !about->isModal());
    click(named<QLabel>(decimals, "Label1"));
    named<QAction>(decimals, "mnuAbout")->trigger();
    QCOMPARE(m_app->about().box(), about);
    QVERIFY(!about->isModal() && calculator().isVisible());
}

// The one help viewer; null when there is none, or more than one.
HelpWindow *TestShell::viewer() const
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf([](QWidget *w) { return !qobject_cast<HelpWindow *>(w); });
    return found.size() == 1 ? static_cast<HelpWindow *>(found[0]) : nullptr;
}

void TestShell::help()
{
    QFETCH(QString, line);
    const QStringList c = columns(line, 2);
    QTemporaryDir empty;
    const QString start = QDir::currentPath();
    const QString folder = c[0].contains(u"build") ? QFileInfo(ZARNITH_HELP_FILE).path() : c[0] == u"/" ? c[0] : empty.path();
    QVERIFY(QDir::setCurrent(folder));
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    QStringList seen;
    // Contents, then F1, in each window: the viewer blocks neither window.
    for (QMainWindow *window : {(QMainWindow *)&calculator(), (QMainWindow *)decimals, (QMainWindow *)&calculator(), (QMainWindow *)decimals}) {
        QVERIFY(showActive(window));
        const bool menu = seen.size() < 2;
        for (const ShownMessage &m : messagesDuring([&] {
                 if (menu)
                     chooseMenuEntry(window, "mnuHelp", window == decimals ? "mnuContets" : "mnuContents");
                 else
                     QTest::keyClick(window, Qt::Key_F1);
             }))
            seen << (m.plain && m.caption == u"Zarnith" ? m.text : "not plain: " + m.text);
        if (!viewer())
            continue;
        seen << "the viewer, captioned " + viewer()->windowTitle();
        QTRY_VERIFY(viewer()->isActiveWindow()); // brought forward
        HelpPage *page = viewer()->ui().page;
        QCOMPARE(page->source().path(), "/index.html"); // each time at the default topic
        const QTextCursor link = page->document()->find("The calculator window");
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(link).center() - QPoint(8, 0));
        QCOMPARE(page->source().path(), "/calculator.html"); // the link followed
    }
    QVERIFY(QDir::setCurrent(start));
    QCOMPARE(seen, QStringList(4, QString(c[1]).replace("{folder}", folder)));
    if (!viewer())
        return;
    QStringList contents; // every page of the file, in its order
    for (QTreeWidgetItemIterator it(viewer()->ui().contents); *it; ++it)
        contents << (*it)->data(0, Qt::UserRole).toUrl().fileName();
    QCOMPARE(contents.join(u','), ZARNITH_HELP_PAGES);
    m_app->endProgram();
    QVERIFY(!viewer()->isVisible()); // it goes with the program
}

// QT_QPA_PLATFORM as desktops.sh expects it chosen, else the one given. On
// Wayland alone, a maximise request leaves every fixed window at its size.
void TestShell::platformChosen()
{
    QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("ZARNITH_EXPECTED_PLATFORM", "offscreen"));
    if (QGuiApplication::platformName() != u"wayland")
        return;
    m_app->showDecimals();
    m_app->about().showModeless();
    for (QWidget *w : {(QWidget *)&calculator(), (QWidget *)m_app->decimals(), (QWidget *)m_app->about().box()}) {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QSize size = w->size();
        w->setWindowState(Qt::WindowMaximized);
        QTest::qWait(300);
        QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
        QTRY_COMPARE(w->size(), size);
    }
}

static const bool kChosen = (choosePlatform(), true); // before QApplication, as main does
QTEST_MAIN(TestShell)
#include "tst_shell.moc"
