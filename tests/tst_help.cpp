// Help: the compiled help file, and the path that Contents and F1 hand to
// the viewer in both windows.

#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "guitest.h"
#include "help.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zarnith;
using namespace zarnith::test;

namespace {

class RecordingViewer : public HelpViewer {
public:
    explicit RecordingViewer(QStringList *paths) : m_paths(paths) {}
    void open(const QString &path) override { *m_paths << path; }

private:
    QStringList *m_paths;
};

// Catches what the desktop viewer hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void helpFileHoldsEveryPage();
    void sameFileFromEveryEntry_data();
    void sameFileFromEveryEntry();
    void rootDirectory();
    void desktopViewer();

private:
    QString m_startDirectory;
};

void TestHelp::initTestCase()
{
    quietPlatformWarnings();
    m_startDirectory = QDir::currentPath();
}

void TestHelp::helpFileHoldsEveryPage()
{
    QProcess chmls;
    chmls.start(QStringLiteral("chmls"), {QStringLiteral("list"), QStringLiteral(ZARNITH_HELP_FILE)});
    QVERIFY(chmls.waitForFinished(10000));
    QCOMPARE(chmls.exitCode(), 0);
    const QString listing = QString::fromUtf8(chmls.readAllStandardOutput());
    const QStringList pages = QStringLiteral(ZARNITH_HELP_PAGES).split(u',');
    QVERIFY(pages.size() >= 6);
    for (const QString &page : pages)
        QVERIFY2(listing.contains(u'/' + page), qPrintable(page));
    QVERIFY(listing.contains(QLatin1String("/contents.hhc")));
}

void TestHelp::sameFileFromEveryEntry_data()
{
    QTest::addColumn<int>("directory");
    QTest::newRow("one directory") << 0;
    QTest::newRow("another directory") << 1;
}

void TestHelp::sameFileFromEveryEntry()
{
    QFETCH(int, directory);
    QTemporaryDir dirs[2];
    QVERIFY(QDir::setCurrent(dirs[directory].path()));
    QStringList paths;
    {
        Application app(std::make_unique<RecordingViewer>(&paths));
        app.showDecimals();
        for (QMainWindow *window : {static_cast<QMainWindow *>(&app.calculator()),
                                    static_cast<QMainWindow *>(app.decimals())}) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            const char *entry = window == &app.calculator() ? "mnuContents" : "mnuContets";
            QVERIFY(chooseMenuEntry(window, "mnuHelp", entry));
            QLineEdit *box = window->findChild<QLineEdit *>();
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_F1);
        }
    }
    QVERIFY(QDir::setCurrent(m_startDirectory));
    const QString expected = dirs[directory].path() + QStringLiteral("/Zarnith.chm");
    QCOMPARE(paths, QStringList(4, expected));
}

void TestHelp::rootDirectory()
{
    QVERIFY(QDir::setCurrent(QStringLiteral("/")));
    const QString path = helpPath();
    QVERIFY(QDir::setCurrent(m_startDirectory));
    QCOMPARE(path, QStringLiteral("//Zarnith.chm"));
    const QUrl url = helpUrl(path);
    QVERIFY(url.host().isEmpty());
    QCOMPARE(url.toLocalFile(), QStringLiteral("/Zarnith.chm"));
}

void TestHelp::desktopViewer()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QTemporaryDir dir;
    DesktopHelpViewer viewer;
    const QString path = dir.path() + QStringLiteral("/Zarnith.chm");
    viewer.open(path); // missing: nothing is shown
    QVERIFY(catcher.urls.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    viewer.open(path);
    QCOMPARE(catcher.urls, QList<QUrl>({QUrl::fromLocalFile(path)}));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
