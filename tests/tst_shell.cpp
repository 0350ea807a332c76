// The running program: start-up and placement, moving between the two
// windows, ending, the About box from its three entry points, and the help
// path handed over from every Contents entry.

#include "application.h"
#include "form1.h"
#include "frmabout.h"
#include "frmfract.h"
#include "harness.h"
#include "help.h"

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

using namespace zarnith;
using namespace zarnith::test;

namespace {

// The help paths the program asked to be shown.
class RecordingViewer : public HelpViewer {
public:
    explicit RecordingViewer(QStringList *paths) : m_paths(paths) {}
    void open(const QString &path) override { *m_paths << path; }

private:
    QStringList *m_paths;
};

// Which window, then how the person ends the program.
const char *const kEndings = R"(
    calculator | File > Exit
    calculator | close box
    Decimals   | File > Exit
    Decimals   | close box
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
    void helpPathFromEveryEntry();

private:
    Form1 &calculator() { return m_app->calculator(); }
    FrmFract *openDecimals();
    FrmAbout *aboutByKey(QMainWindow *window, const char *box);

    QStringList m_helpPaths;
    std::unique_ptr<Application> m_app;
};

void TestShell::init()
{
    m_helpPaths.clear();
    m_app = std::make_unique<Application>(std::make_unique<RecordingViewer>(&m_helpPaths));
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

void TestShell::helpPathFromEveryEntry()
{
    // Contents and F1 in both windows hand over the same path: the current
    // folder's Zarnith.chm, wherever the program is.
    const QString start = QDir::currentPath();
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    for (QMainWindow *window : {static_cast<QMainWindow *>(&calculator()), static_cast<QMainWindow *>(decimals)}) {
        QVERIFY(showActive(window));
        QVERIFY(chooseMenuEntry(window, "mnuHelp", window == decimals ? "mnuContets" : "mnuContents"));
        QTest::keyClick(window->findChild<QLineEdit *>(), Qt::Key_F1);
    }
    QCOMPARE(m_helpPaths, QStringList(4, folder.path() + "/Zarnith.chm"));
    // In the root folder the path has two separators, and still names a file.
    QVERIFY(QDir::setCurrent("/"));
    QCOMPARE(helpPath(), "//Zarnith.chm");
    QCOMPARE(helpUrl(helpPath()).toLocalFile(), "/Zarnith.chm");
    QVERIFY(QDir::setCurrent(start));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
