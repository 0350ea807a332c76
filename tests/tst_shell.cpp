// Started as main starts it: the platform chosen, fixed windows on Wayland kept at their size
// (desktops.sh runs this under weston), and F1 in either window opening the one help viewer.
#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "harness.h"
#include "helpwindow.h"
#include "platform.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
using namespace zarnith;
using namespace zarnith::test;
// The folder Zarnith was started in | what F1 shows, twice in each window.
const char *const kFolders = R"(
    the build folder | the viewer, captioned Zarnith Help
    an empty folder  | Cannot open the file: {folder}/Zarnith.chm
    /                | Cannot open the file: //Zarnith.chm
)";
class TestShell : public QObject {
    Q_OBJECT
    HelpWindow *viewer() // the one help viewer, null when there is none or more than one
    {
        QWidgetList found = QApplication::topLevelWidgets();
        found.removeIf([](QWidget *w) { return !qobject_cast<HelpWindow *>(w); });
        return found.size() == 1 ? static_cast<HelpWindow *>(found[0]) : nullptr;
    }
    QString shown() { return viewer()->ui().page->source().path(); }
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void platformChosen();
    void f1InBothWindows_data() { addCases(kFolders); }
    void f1InBothWindows();
};

void TestShell::platformChosen() // ZARNITH_EXPECTED_PLATFORM, else the one given
{
    QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("ZARNITH_EXPECTED_PLATFORM", "offscreen"));
    if (QGuiApplication::platformName() != u"wayland")
        return;
    Application app;
    app.showDecimals();
    app.about().showModeless();
    for (QWidget *w : {(QWidget *)&app.calculator(), (QWidget *)app.decimals(), (QWidget *)app.about().box()}) {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QSize size = w->size();
        w->setWindowState(Qt::WindowMaximized);
        QTest::qWait(300);
        QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
        QTRY_COMPARE(w->size(), size);
    }
}

void TestShell::f1InBothWindows()
{
    QFETCH(QString, line);
    const QStringList c = columns(line, 2);
    QTemporaryDir empty;
    const QString folder = c[0].contains(u"build") ? QFileInfo(ZARNITH_HELP_FILE).path() : c[0] == u"/" ? c[0] : empty.path();
    QVERIFY(QDir::setCurrent(folder));
    Application app;
    app.showDecimals();
    QStringList seen;
    for (QWidget *window : {(QWidget *)&app.calculator(), (QWidget *)app.decimals(), (QWidget *)&app.calculator(), (QWidget *)app.decimals()}) {
        QVERIFY(showActive(window)); // the viewer blocks neither window
        for (const ShownMessage &m : messagesDuring([&] { QTest::keyClick(window, Qt::Key_F1); }))
            seen << (m.plain && m.caption == u"Zarnith" ? m.text : QStringLiteral("not plain: ") + m.text);
        if (!viewer())
            continue;
        seen << QStringLiteral("the viewer, captioned ") + viewer()->windowTitle();
        QTRY_VERIFY(viewer()->isActiveWindow()); // brought forward
        QCOMPARE(shown(), u"/index.html"); // each time at the default topic
        HelpPage *page = viewer()->ui().page;
        const QTextCursor link = page->document()->find(QStringLiteral("The calculator window"));
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(link).center() - QPoint(8, 0));
        QCOMPARE(shown(), u"/calculator.html"); // the link followed
    }
    QCOMPARE(seen, QStringList(4, QString(c[1]).replace(QStringLiteral("{folder}"), folder)));
    if (!viewer())
        return;
    QStringList contents; // every page of the file, in its order
    for (QTreeWidgetItemIterator it(viewer()->ui().contents); *it; ++it)
        contents << (*it)->data(0, Qt::UserRole).toUrl().fileName();
    QCOMPARE(contents.join(u','), QStringLiteral(ZARNITH_HELP_PAGES));
    app.endProgram();
    QVERIFY(!viewer()->isVisible()); // it goes with the program
}
static const bool kChosen = (choosePlatform(), true); // before QApplication, as main does
QTEST_MAIN(TestShell)
#include "tst_shell.moc"
