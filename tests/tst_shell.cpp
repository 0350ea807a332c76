// The running program, started as main starts it: the platform chosen
// (desktops.sh: under weston), placement, moving between the windows,
// ending, the About box and the help viewer from every entry point.

#include "application.h"
#include "form1.h"
#include "frmabout.h"
#include "frmfract.h"
#include "harness.h"
#include "helpfile.h"
#include "helpwindow.h"
#include "openedfiles.h"
#include "platform.h"

#include <QtTest>
#include <QtWidgets>

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// Which window | how the person ends the program there.
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

// A DISPLAY value | whether an X server is taken to answer there (the test listens at display 987).
const char *const kDisplays = R"(
    :987          | yes
    unix:987.0    | yes
    :986          | no
    unix:986      | no
    host.example:0 | yes
    :x            | no
    _             | no
)";

// A crafted help file (tests/hostile_help.py writes one for each case, in a
// folder of that name) | what the person sees after F1, then after
// clicking each link of the page and each contents entry that leads
// elsewhere ({file}: the help file's path). Each step takes less than 2 s
// and less than 100 MB more memory, and no file is opened but the help
// file and the system's own (fonts, the icon theme).
const char *const kHostileHelp = R"(
    contents to local files        | page "Contents that point outside"; entry "Passwords" → nothing; entry "Secret" → nothing; entry "Zero" → Cannot open the page: /dev/zero
    pictures of the zero device    | page "A picture of /dev/zero"
    style sheets importing the zero device | page "A style sheet importing /dev/zero"
    local pictures                 | page "Local pictures"
    a picture claiming 20000 x 20000 pixels | page "A huge picture"
    links of every scheme          | page "Links of every scheme"; link "file" → nothing; link "smb" → nothing; link "javascript" → nothing; link "data" → nothing; link "ms-its" → nothing; link "http" → desktop; link "https" → desktop; link "mailto" → desktop; link "next page" → page "Second"; link "large page" → Cannot open the page: /big.html
    contents nested 100,000 deep   | Cannot open the file: {file}
    1,000,000 contents entries     | Cannot open the file: {file}
    a 60 MB first page             | Cannot open the file: {file}
    a pipe named Zarnith.chm       | Cannot open the file: {file}
    chm_open dividing by a zero window | Cannot open the file: {file}
    decompressor dividing by a zero block length | Cannot open the file: {file}
    decompressor dividing by zero blocks a reset | Cannot open the file: {file}
    LZX set-up writing through NULL (8 MB window) | Cannot open the file: {file}
    4 GB compressed blocks         | Cannot open the file: {file}
    garbage compressed data        | Cannot open the file: {file}
    4 GB directory pages           | Cannot open the file: {file}
    directory page pointing to itself | Cannot open the file: {file}
    directory entry running past its page | Cannot open the file: {file}
)";

// Where the system keeps what Qt reads to draw a page: fonts, their
// configuration and caches, icons, locale data.
const QRegularExpression kSystemFiles(
    QStringLiteral(R"(^(/usr/|/etc/fonts/|/var/cache/fontconfig/|/proc/|/sys/|.*/\.cache/fontconfig/|/etc/ld\.so))"));

// The memory the process holds now, and the most it held since the last
// clearing, in bytes.
qint64 memory(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QRegularExpression line(QStringLiteral(R"(%1:\s*(\d+) kB)").arg(QLatin1String(field)));
    return line.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong() * 1024;
}
void clearPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    QVERIFY(refs.open(QIODevice::WriteOnly) && refs.write("5") == 1);
}

// Valgrind runs every step some twenty times slower: time limits are left out or widened there.
bool underValgrind()
{
    return qEnvironmentVariableIsSet("ZARNITH_UNDER_VALGRIND");
}

// Records the addresses handed to the desktop.
class Desktop : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

// A window's outer frame centred across the screen, as the program rounds it.
bool centredAcross(const QWidget *w)
{
    return w->frameGeometry().left() == (w->screen()->geometry().width() - w->frameGeometry().width()) / 2;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    // The crafted help files, written once for the run.
    void initTestCase()
    {
        QVERIFY(m_crafted.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral("python3"), {ZARNITH_HOSTILE_HELP, m_crafted.path()}), 0);
        for (const char *scheme : {"http", "https", "mailto", "file", "smb", "javascript", "data", "ms-its"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_desktop, "open");
    }
    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "https", "mailto", "file", "smb", "javascript", "data", "ms-its"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    void init()
    {
        m_app = std::make_unique<Application>();
        QVERIFY(QTest::qWaitForWindowExposed(&calculator()));
    }
    void cleanup()
    {
        m_app.reset();
        QTest::qWait(0);
    } // boxes closed with the program go later
    void startAndNavigation()
    {
        // The calculator alone, centred, its bottom a quarter of its height
        // above the bottom of the screen.
        const QRect frame = calculator().frameGeometry();
        QVERIFY(centredAcross(&calculator()) && !m_app->decimals());
        QCOMPARE(QGuiApplication::desktopFileName(), "org.example.zarnith"); // the menu entry's
        QVERIFY(qAbs(calculator().screen()->geometry().height() - frame.bottom() - 1 - frame.height() / 4.0) <= 1.0);
        typeInto(named<QLineEdit>(&calculator(), "txtN1"), "3");
        // Decimal: the Decimals window, centred, standing on the calculator.
        FrmFract *decimals = openDecimals();
        QVERIFY(decimals && centredAcross(decimals));
        QCOMPARE(decimals->frameGeometry().bottom() + 1, frame.top());
        // Fractions (Ctrl+F2) brings the calculator forward as it was; Decimal
        // again brings the same Decimals window forward, as the user left it.
        typeInto(named<QLineEdit>(decimals, "txtDecimal"), "2.75");
        decimals->move(10, 20);
        const QPoint moved = decimals->pos();
        press(decimals, "txtNumerator", Qt::CTRL | Qt::Key_F2);
        QTRY_VERIFY(calculator().isActiveWindow());
        QCOMPARE(calculator().frameGeometry(), frame);
        QCOMPARE(named<QLineEdit>(&calculator(), "txtN1")->text(), "3");
        press(&calculator(), "txtN1", Qt::CTRL | Qt::Key_F2);
        QTRY_VERIFY(decimals->isActiveWindow());
        QCOMPARE(m_app->decimals(), decimals);
        QCOMPARE(named<QLineEdit>(decimals, "txtDecimal")->text(), "2.75");
        QCOMPARE(decimals->pos(), moved);
    }
    void endings_data() { addCases(kEndings); }
    void endings()
    {
        QFETCH(QString, line);
        const QStringList how = columns(line, 2);
        // Closing the calculator before the Decimals window was ever opened
        // ends the program without loading it.
        if (line == "calculator | close box") {
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
    void aboutFromTheCalculator()
    {
        press(&calculator(), "txtN1", Qt::CTRL | Qt::Key_H);
        QPointer<FrmAbout> box = about();
        QVERIFY(box && QTest::qWaitForWindowExposed(box) && !box->isModal() && !box->windowIcon().isNull());
        QCOMPARE(box->windowTitle() + u'|' + box->ui().lblVersion->text() + u'|'
                     + box->ui().lblVersion->accessibleName(),
                 "Zarnith|Version 8.0|Zarnith version 8.0"); // as a screen reader reads it
        QVERIFY(box->ui().Label3->text().startsWith("\u00a9 "));
        QCOMPARE(box->windowIcon().availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}})); // for task bars
        QCOMPARE(named<QWidget>(box, "Line2")->y(),
                 named<QWidget>(box, "Line1_0")->y());   // the rule's white edge on its top
        for (const char *picture : {"Image1", "Image2"}) // the program's icon, the picture
            QVERIFY(!named<QLabel>(box, picture)->pixmap().isNull());
        for (QLabel *line : {box->ui().lblTitle, box->ui().lblVersion, box->ui().Label3,
                             box->ui().lblDisclaimer}) { // lines that stand out on black
            QVERIFY2(contrast(line->palette().color(QPalette::WindowText), Qt::black) > 7, qPrintable(line->text()));
            QVERIFY(line == box->ui().lblVersion || line == box->ui().Label3
                    || qAbs(line->geometry().center().x() - box->width() / 2) <= 3); // centred
        }
        QVERIFY((box->frameGeometry().center() - box->screen()->geometry().center()).manhattanLength() <= 1);
        // The calculator keeps taking input; a second About brings the same box
        // forward, where it was; it closes with the program.
        box->move(box->pos() + QPoint(7, 7));
        const QPoint moved = box->pos();
        typeInto(named<QLineEdit>(&calculator(), "txtN1"), "7");
        QCOMPARE(named<QLineEdit>(&calculator(), "txtN1")->text(), "7");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()"); // how this platform answers a raise
        press(&calculator(), "txtN1", Qt::CTRL | Qt::Key_H);
        QCOMPARE(about(), box);
        QTRY_VERIFY(box->isActiveWindow());
        QCOMPARE(box->pos(), moved);
        m_app->endProgram();
        QTRY_VERIFY(!box);
    }
    // OK, Enter, Esc and the close box close it for good; each showing is
    // loaded afresh, the sign once before the notice.
    void aboutClosings()
    {
        for (const QString way : {"OK", "Enter", "Esc", "close box"}) {
            press(&calculator(), "txtN1", Qt::CTRL | Qt::Key_H);
            QPointer<FrmAbout> box = about();
            QVERIFY(box && QTest::qWaitForWindowExposed(box));
            QCOMPARE(box->ui().Label3->text().count(u'\u00a9'), 1);
            if (way == "OK")
                click(box->ui().cmdOK);
            else if (way == "close box")
                box->close();
            else
                QTest::keyClick(box, way == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            QTRY_VERIFY2(!box, qPrintable(way));
        }
    }
    void aboutFromTheDecimalsWindow()
    {
        FrmFract *decimals = openDecimals();
        QVERIFY(decimals);
        // Modal: the handler waits until the box closes.
        bool returned = false, modalWhileOpen = false;
        QTimer::singleShot(50, [&] {
            modalWhileOpen = about() && QApplication::activeModalWidget() == about() && !returned;
            if (about())
                QTest::keyClick(about(), Qt::Key_Escape);
        });
        press(decimals, "txtNumerator", Qt::CTRL | Qt::Key_H);
        returned = true;
        QVERIFY(modalWhileOpen);
        // The web address shows it not modal; a second click, or the About
        // entry, brings the same box forward and returns at once.
        QTRY_VERIFY(!about());
        click(named<QLabel>(decimals, "Label1"));
        FrmAbout *box = about();
        QVERIFY(box && !box->isModal());
        click(named<QLabel>(decimals, "Label1"));
        QVERIFY(showActive(decimals));
        named<QAction>(decimals, "mnuAbout")->trigger();
        QCOMPARE(about(), box);
        QTRY_VERIFY(box->isActiveWindow());
        QVERIFY(!box->isModal() && calculator().isVisible());
    }
    void help_data() { addCases(kHelpFolders); }
    void help()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2);
        QTemporaryDir empty;
        const QString start = QDir::currentPath();
        const QString folder = c[0].contains(u"build") ? QFileInfo(ZARNITH_HELP_FILE).path()
            : c[0] == u"/"                             ? c[0]
                                                       : empty.path();
        QVERIFY(QDir::setCurrent(folder));
        FrmFract *decimals = openDecimals();
        QVERIFY(decimals);
        QStringList seen;
        // Contents, then F1, in each window: the viewer blocks neither window.
        for (QMainWindow *window : {(QMainWindow *)&calculator(), (QMainWindow *)decimals, (QMainWindow *)&calculator(),
                                    (QMainWindow *)decimals}) {
            QVERIFY(showActive(window));
            const bool menu = seen.size() < 2;
            seen << messagesDuring([&] {
                if (menu)
                    chooseMenuEntry(window, "mnuHelp", window == decimals ? "mnuContets" : "mnuContents");
                else
                    QTest::keyClick(window, Qt::Key_F1);
            });
            if (!viewer())
                continue;
            seen << "the viewer, captioned " + viewer()->windowTitle();
            QTRY_VERIFY(viewer()->isActiveWindow() && !viewer()->isMinimized()); // brought forward
            HelpPage *page = viewer()->ui().page;
            QCOMPARE(page->source().path(), "/index.html"); // each time at the default topic
            QVERIFY(page->hasFocus());                      // a screen reader reads it first
            QTest::keyClick(page, Qt::Key_Tab);
            QCOMPARE(spoken(viewer()), "link The calculator window"); // Tab reaches the first link
            const QTextCursor link = page->document()->find("The calculator window");
            QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(link).center() - QPoint(8, 0));
            QCOMPARE(page->source().path() + u' ' + spoken(viewer()),
                     "/calculator.html The calculator window"); // followed, its title said
            QCOMPARE(viewer()->ui().contents->currentItem()->text(0), "The calculator window");
            QVERIFY(viewer()->ui().actBack->isEnabled() && !viewer()->ui().actForward->isEnabled());
            viewer()->ui().actBack->trigger();
            QCOMPARE(page->source().path() + u' ' + spoken(viewer()), "/index.html Zarnith");
            QVERIFY(viewer()->ui().actForward->isEnabled());
            viewer()->showMinimized();
        }
        if (viewer()) { // a file in another folder is read afresh: its own contents, no pages seen
            viewer()->ui().actForward->trigger();
            QVERIFY(QFile::copy(ZARNITH_HELP_FILE, empty.filePath("Zarnith.chm")) && QDir::setCurrent(empty.path()));
            QVERIFY(showActive(&calculator()));
            QTest::keyClick(&calculator(), Qt::Key_F1);
            QVERIFY(!viewer()->ui().actBack->isEnabled());
        }
        QVERIFY(QDir::setCurrent(start));
        QCOMPARE(seen, QStringList(4, QString(c[1]).replace("{folder}", folder)));
        if (!viewer())
            return;
        QStringList contents; // every page of the file, in its order
        for (QTreeWidgetItemIterator it(viewer()->ui().contents); *it; ++it)
            contents << (*it)->data(0, Qt::UserRole).toUrl().fileName();
        QCOMPARE(contents.join(u','), ZARNITH_HELP_PAGES);
        QCOMPARE(viewer()->ui().contents->topLevelItemCount(), 1);           // the pages under the first
        for (QTreeWidgetItemIterator it(viewer()->ui().contents); *it; ++it) // a reader reads none of them as expanded
            QCOMPARE((*it)->isExpanded(), (*it)->childCount() > 0);
        QVERIFY(viewer()->height() > 20 * viewer()->fontMetrics().height()); // room to read a page
        QCOMPARE(qRound(viewer()->ui().contents->width() * 52.0 / viewer()->width()),
                 16); // a third of it for the contents
        QToolBar *bar = viewer()->findChild<QToolBar *>();
        QStringList names = {bar->objectName()}; // of the tool bar and its entries
        for (QAction *entry : bar->actions())
            names << entry->objectName();
        QCOMPARE(names.join(u' '), "tbrNavigation actBack actForward");
        m_app->endProgram();
        QVERIFY(!viewer()->isVisible()); // it goes with the program
    }
    // The page as a screen reader reads it: a document, line by line as laid out, its selection and
    // caret the page's own, each character's box where the page draws it.
    void helpPageAsRead()
    {
        const QString start = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QFileInfo(ZARNITH_HELP_FILE).path()));
        const QRect screen = calculator().screen()->availableGeometry();
        calculator().move(screen.bottomRight() - QPoint(100, 100)); // the viewer over it stays on the screen
        QTest::keyClick(&calculator(), Qt::Key_F1);
        QVERIFY(QDir::setCurrent(start) && viewer());
        QTRY_COMPARE(viewer()->frameGeometry().bottomRight(), screen.bottomRight());
        HelpPage *page = viewer()->ui().page;
        viewer()->resize(24 * page->fontMetrics().height(), viewer()->height()); // its paragraphs wrap
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(page);
        QAccessibleTextInterface *text = reader->textInterface();
        QVERIFY(reader->role() == QAccessible::Document && reader->state().readOnly && reader->state().multiLine
                && reader->state().selectableText);
        QString read;
        int lines = 0, from, to;
        for (int at = 0; at < text->characterCount(); at = to, ++lines) {
            read += text->textAtOffset(at, QAccessible::LineBoundary, &from, &to);
            QVERIFY(from == at && to > at);
        }
        QCOMPARE(read, page->toPlainText()); // each paragraph's last line with its line break
        QVERIFY(lines > page->document()->blockCount());
        text->setSelection(0, 2, 5);
        text->selection(0, &from, &to);
        QCOMPARE(QString("%1 %2-%3 ").arg(text->selectionCount()).arg(from).arg(to) + page->textCursor().selectedText(),
                 "1 2-5 " + text->text(2, 5));
        text->removeSelection(0);
        text->attributes(3, &from, &to);
        QCOMPARE(QString("%1 %2-%3").arg(text->selectionCount()).arg(from).arg(to),
                 QString("0 0-%1").arg(text->characterCount()));
        text->setCursorPosition(7);
        text->scrollToSubstring(0, 5);
        QCOMPARE(text->cursorPosition(), 0);
        for (int at : {0, 7}) {
            const QRect box = text->characterRect(at);
            QVERIFY(box.width() < box.height());
            QCOMPARE(text->offsetAtPoint(box.topLeft() + QPoint(1, box.height() / 2)), at);
        }
    }
    // Every bound of the help reader holds at its limit and refuses one past it: a page's bytes, a picture's
    // pixels, the contents' depth and entries, and the read time (spent, nothing more is read until a page starts).
    void bounds()
    {
        HelpFile file;
        QVERIFY(file.open(m_crafted.filePath("bounds at their limits/Zarnith.chm")));
        HelpPage page;
        page.setFile(&file);
        QStringList refused;
        connect(&page, &HelpPage::pageRefused, &page, [&](const QUrl &url) { refused << url.fileName(); });
        for (const char *name : {"limit.html", "past.html"})
            page.setSource(helpTopicUrl(name));
        QCOMPARE(page.documentTitle() + u' ' + refused.join(u','), "At the limit past.html");
        const auto picture = [&](const char *name) {
            return page.loadResource(QTextDocument::ImageResource, helpTopicUrl(name)).value<QImage>().size();
        };
        QCOMPARE(picture("limit.png"), QSize(2048, 2048));
        QCOMPARE(picture("past.png"), QSize(1, 1));
        const auto contents = [](int depth, int entries) {
            const QByteArray entry = R"(<li><object type="text/sitemap"><param name="Name" value="T"></object>)";
            return parseContents(QByteArray("<ul>").repeated(depth) + entry.repeated(entries), QDeadlineTimer::Forever);
        };
        QVERIFY(contents(32, 1) && !contents(33, 1) && contents(1, 5000)->size() == 5000 && !contents(1, 5001));
        QElapsedTimer clock;
        clock.start();
        const int most = underValgrind() ? 60000 : 5000;
        while (!file.read("/past.html", 2 << 20).isEmpty() && clock.elapsed() < most) {
        }
        QVERIFY2(clock.elapsed() >= HelpBounds::kReadMilliseconds && clock.elapsed() < most,
                 qPrintable(QString::number(clock.elapsed())));
        page.setSource(helpTopicUrl("index.html"));
        QCOMPARE(page.documentTitle(), "Limits");
    }
    // The platform desktops.sh expects chosen. On Wayland alone (weston draws
    // no title bars) each fixed window has its own, with no maximise box,
    // and a maximise request leaves it at its size.
    // Start-up opens no help file and creates no viewer.
    void startUpOpensNoHelp()
    {
        m_app.reset();
        startRecordingOpenedFiles();
        m_app = std::make_unique<Application>();
        QVERIFY(QTest::qWaitForWindowExposed(&calculator()));
        const QStringList opened = stopRecordingOpenedFiles();
        QVERIFY2(opened.filter(QStringLiteral("Zarnith.chm")).isEmpty() && !viewer(), qPrintable(opened.join(u'\n')));
    }
    void hostileHelp_data() { addCases(kHostileHelp); }
    void hostileHelp()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2);
        const QString start = QDir::currentPath(), file = m_crafted.filePath(c[0] + "/Zarnith.chm");
        QVERIFY(QDir::setCurrent(m_crafted.filePath(c[0])));
        const bool timed = !underValgrind();
        clearPeakMemory();
        const qint64 before = memory("VmRSS");
        qint64 slowest = 0;
        const auto step = [&](const std::function<void()> &action) {
            QElapsedTimer clock;
            clock.start();
            const QString seen = outcome(action);
            slowest = qMax(slowest, clock.elapsed());
            return seen;
        };
        startRecordingOpenedFiles();
        QVERIFY(showActive(&calculator()));
        QStringList seen = {step([&] { QTest::keyClick(&calculator(), Qt::Key_F1); })};
        if (HelpWindow *shown = viewer(); shown && shown->isVisible()) {
            HelpPage *page = shown->ui().page;
            for (const auto &[text, at] : links(page))
                seen << "link \"" + text + "\" → "
                        + step([&] { QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, at); });
            QTreeWidget *contents = shown->ui().contents;
            for (QTreeWidgetItemIterator it(contents); *it; ++it) {
                if ((*it)->data(0, Qt::UserRole).toUrl().adjusted(QUrl::RemoveFragment)
                    == page->source().adjusted(QUrl::RemoveFragment))
                    continue;
                const QPoint at = contents->visualItemRect(*it).center();
                seen << "entry \"" + (*it)->text(0) + "\" → "
                        + step([&] { QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, at); });
            }
        }
        const QStringList opened = stopRecordingOpenedFiles();
        const qint64 grown = memory("VmHWM") - before;
        QVERIFY(QDir::setCurrent(start));
        qInfo("%s: slowest step %lld ms, memory %+.1f MB", qPrintable(c[0]), slowest, grown / 1e6);
        QCOMPARE(seen.join("; "), QString(c[1]).replace("{file}", file));
        QStringList outside =
            opened.filter(QRegularExpression(QStringLiteral("^(?!%1$)").arg(QRegularExpression::escape(file))));
        outside.removeIf([](const QString &path) { return kSystemFiles.match(path).hasMatch(); });
        QVERIFY2(outside.isEmpty(), qPrintable("opened: " + outside.join(u", ")));
        QVERIFY2(!timed || slowest < 2000, qPrintable(QString::number(slowest)));
        QVERIFY2(!timed || grown < 100'000'000, qPrintable(QString::number(grown)));
        // Esc closes a viewer shown; both windows keep working.
        if (HelpWindow *shown = viewer(); shown && shown->isVisible()) {
            QVERIFY(showActive(shown));
            QTest::keyClick(shown->ui().page, Qt::Key_Escape);
            QVERIFY(!shown->isVisible());
        }
        typeInto(named<QLineEdit>(&calculator(), "txtN1"), "3");
        QCOMPARE(named<QLineEdit>(&calculator(), "txtN1")->text(), "3");
        QVERIFY(openDecimals());
    }
    void xServer_data() { addCases(kDisplays); }
    void xServer()
    {
        QFETCH(QString, line);
        const QStringList c = columns(line, 2);
        const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto closed = qScopeGuard([server] { ::close(server); });
        constexpr char kName[] = "\0/tmp/.X11-unix/X987"; // in the abstract namespace, as X servers listen
        sockaddr_un at{AF_UNIX, {}};
        std::memcpy(at.sun_path, kName, sizeof kName - 1);
        QVERIFY(::bind(server, reinterpret_cast<sockaddr *>(&at), offsetof(sockaddr_un, sun_path) + sizeof kName - 1)
                    == 0
                && ::listen(server, 1) == 0);
        QCOMPARE(xServerReachable(c[0] == u"_" ? QByteArray() : c[0].toLatin1()) ? "yes" : "no", c[1]);
    }
    void platformChosen()
    {
        QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("ZARNITH_EXPECTED_PLATFORM", "offscreen"));
        // What the program chose is not passed on to programs it starts.
        QCOMPARE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), !qEnvironmentVariableIsSet("ZARNITH_EXPECTED_PLATFORM"));
        if (QGuiApplication::platformName() != u"wayland")
            return;
        m_app->showDecimals();
        m_app->about().showModeless();
        for (QWidget *w : {(QWidget *)&calculator(), (QWidget *)m_app->decimals(), (QWidget *)about()}) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QStringList boxes;
            for (QWidget *box : named<QWidget>(w, "titleBar")->findChildren<QToolButton *>())
                boxes << box->objectName();
            QCOMPARE(boxes.join(u' '), w == about() ? "cmdClose" : "cmdMinimise cmdClose");
            QVERIFY(w->windowHandle()->frameMargins().isNull()); // no title bar of Qt's
            const QImage captioned = named<QWidget>(w, "titleBar")->grab().toImage();
            const QString caption = w->windowTitle();
            w->setWindowTitle(QString());
            QVERIFY(named<QWidget>(w, "titleBar")->grab().toImage() != captioned); // its caption is drawn
            w->setWindowTitle(caption);
            const QSize size = w->size();
            w->setWindowState(Qt::WindowMaximized);
            QTest::qWait(300);
            QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
            QTRY_COMPARE(w->size(), size);
            w->windowHandle()->resize(size + QSize(40, 40)); // its edge dragged: back to its size
            QTest::qWait(300);
            QTRY_COMPARE(w->size(), size);
        }
    }

private:
    Form1 &calculator() { return m_app->calculator(); }
    FrmFract *openDecimals();
    // Presses keys in a box of the window, as a person does.
    void press(QMainWindow *window, const char *box, QKeyCombination keys)
    {
        QVERIFY(showActive(window));
        QTest::mouseClick(named<QLineEdit>(window, box), Qt::LeftButton);
        QTest::keySequence(named<QLineEdit>(window, box), QKeySequence(keys));
    }
    FrmAbout *about() const { return m_app->about().box(); }
    HelpWindow *viewer() const;
    // What a step shows: the message it gives, "desktop" when it hands an
    // address to the desktop, the page it goes to (and back from), or nothing.
    QString outcome(const std::function<void()> &action);
    // The text of each link of the page and the point to click it at.
    static QList<std::pair<QString, QPoint>> links(HelpPage *page);
    std::unique_ptr<Application> m_app;
    QTemporaryDir m_crafted;
    Desktop m_desktop;
};

QString TestShell::outcome(const std::function<void()> &action)
{
    HelpWindow *shown = viewer();
    const QUrl before = shown ? shown->ui().page->source() : QUrl();
    const qsizetype handedOut = m_desktop.opened.size();
    const QStringList messages = messagesDuring(action);
    if (!messages.isEmpty())
        return messages.join(", ");
    if (m_desktop.opened.size() != handedOut)
        return "desktop";
    shown = viewer();
    if (!shown || !shown->isVisible())
        return "nothing";
    HelpPage *page = shown->ui().page;
    if (page->source() == before)
        return before.isEmpty() ? "page \"" + page->documentTitle() + '"' : "nothing";
    const QString title = page->documentTitle();
    page->setSource(before);
    return "page \"" + title + '"';
}

QList<std::pair<QString, QPoint>> TestShell::links(HelpPage *page)
{
    QList<std::pair<QString, QPoint>> found;
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor())
                continue;
            QTextCursor middle(page->document());
            middle.setPosition(fragment.position() + fragment.length() / 2);
            found.append({fragment.text(), page->cursorRect(middle).center()});
        }
    }
    return found;
}

FrmFract *TestShell::openDecimals()
{
    click(named<QPushButton>(&calculator(), "cmdDecimal"));
    return m_app->decimals() && QTest::qWaitForWindowExposed(m_app->decimals()) ? m_app->decimals() : nullptr;
}

// The one help viewer; null when there is none, or more than one.
HelpWindow *TestShell::viewer() const
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf([](QWidget *w) { return !qobject_cast<HelpWindow *>(w); });
    return found.size() == 1 ? static_cast<HelpWindow *>(found[0]) : nullptr;
}

static const bool kChosen = (choosePlatform(), true); // before QApplication, as main does
QTEST_MAIN(TestShell)
#include "tst_shell.moc"
