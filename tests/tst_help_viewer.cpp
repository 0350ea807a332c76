// Help: F1 in either window opens Zarnith's own viewer on the help file of
// the current folder, one viewer however often it is asked for; a folder
// without the file gets a message naming the path it looked for.

#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "harness.h"
#include "helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// The folder Zarnith was started in | what F1 shows, twice in each window.
const char *const kFolders = R"(
    the build folder | the viewer, captioned Zarnith Help
    an empty folder  | Cannot open the file: {folder}/Zarnith.chm
    /                | Cannot open the file: //Zarnith.chm
)";

QList<HelpWindow *> viewers()
{
    QList<HelpWindow *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"HelpViewer" && w->isVisible())
            found << qobject_cast<HelpWindow *>(w);
    return found;
}

QString pageShown() { return viewers().value(0)->ui().page->source().path(); }

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void f1InBothWindows_data() { addCases(kFolders); }
    void f1InBothWindows();
};

void TestHelpViewer::f1InBothWindows()
{
    QFETCH(QString, line);
    const QStringList c = columns(line, 2);
    QTemporaryDir empty;
    const QString folder = c[0] == u"/" ? c[0] : c[0].contains(u"build") ? QFileInfo(ZARNITH_HELP_FILE).path() : empty.path();
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder));
    Application app;
    app.showDecimals();
    QStringList shown;
    for (QMainWindow *window : {(QMainWindow *)&app.calculator(), (QMainWindow *)app.decimals(),
                                (QMainWindow *)&app.calculator(), (QMainWindow *)app.decimals()}) {
        QVERIFY(showActive(window)); // the viewer blocks neither window
        for (const ShownMessage &m : messagesDuring([&] { QTest::keyClick(window, Qt::Key_F1); }))
            shown << (m.plain && m.caption == u"Zarnith" ? m.text : QStringLiteral("not plain: ") + m.text);
        if (viewers().isEmpty())
            continue;
        shown << QStringLiteral("the viewer, captioned ") + viewers()[0]->windowTitle();
        QCOMPARE(viewers().size(), 1);
        QCOMPARE(pageShown(), u"/index.html"); // again at the default topic
        HelpPage *page = viewers()[0]->ui().page;
        QVERIFY(showActive(viewers()[0]));
        const QTextCursor link = page->document()->find(QStringLiteral("The calculator window"));
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(link).center() - QPoint(8, 0));
        QCOMPARE(pageShown(), u"/calculator.html");
        QTest::keyClick(page, Qt::Key_Left, Qt::AltModifier); // Back
        QCOMPARE(pageShown(), u"/index.html");
    }
    QVERIFY(QDir::setCurrent(start));
    QCOMPARE(shown, QStringList(4, QString(c[1]).replace(QStringLiteral("{folder}"), folder)));
    if (viewers().isEmpty())
        return;
    QStringList contents; // every page of the file, in its order
    for (QTreeWidgetItemIterator it(viewers()[0]->ui().contents); *it; ++it)
        contents << (*it)->data(0, Qt::UserRole).toUrl().fileName();
    QCOMPARE(contents.join(u','), QStringLiteral(ZARNITH_HELP_PAGES));
    app.endProgram();
    QVERIFY(viewers().isEmpty()); // it goes with the program
}

QTEST_MAIN(TestHelpViewer)
#include "tst_help_viewer.moc"
