// The running program as main starts it: its platform, its windows placed, moved between and ended, About, help.

#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "harness.h"
#include "helpwindow.h"
#include "platform.h"
#include <QtTest>
#include <QtWidgets>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zarnith::test { // the paths this process opens (open, openat, fopen) from the start, in order
void startRecordingOpenedFiles();
QStringList stopRecordingOpenedFiles();
} // namespace zarnith::test

using namespace zarnith;
using namespace zarnith::test;

// Which window | how the person ends the program there | whether the Decimals window was opened before.
const char *const kEndings = R"(
    calculator | File > Exit | opened
    calculator | close box   | never opened
    calculator | close box   | opened
    Decimals   | File > Exit | opened
    Decimals   | close box   | opened)";
// The folder Zarnith was started in | what Contents and F1 show, twice in each window.
const char *const kHelpFolders = R"(
    the build folder | the viewer, captioned Zarnith Help
    an empty folder  | Cannot open the file: {folder}/Zarnith.chm
    /                | Cannot open the file: //Zarnith.chm)";
// A DISPLAY value | whether an X server is taken to answer there (the test listens at display 987).
const char *const kDisplays = R"(
    :987          | yes
    unix:987.0    | yes
    :986          | no
    unix:986      | no
    host.example:0 | yes
    :x            | no
    _             | no)";
// A crafted help file, in a folder of its name | what F1, then each link and entry leading elsewhere, clicked, shows.
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
    directory entry running past its page | Cannot open the file: {file})";
// Where the system keeps what Qt reads to draw a page: fonts, their configuration and caches, icons, locale data.
const QRegularExpression kSystemFiles(R"(^(/usr/|/etc/fonts/|/etc/ld\.so|/proc/|/sys/|.*/\.?cache/fontconfig/))");
// Links' schemes handed to the test in the desktop's place; valgrind, some twenty times slower, widens time limits.
const QStringList kSchemes = {"http", "https", "mailto", "file", "smb", "javascript", "data", "ms-its"};
const bool kUnderValgrind = qEnvironmentVariableIsSet("ZARNITH_UNDER_VALGRIND");

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_crafted.isValid() && QProcess::execute("python3", {ZARNITH_HOSTILE_HELP, m_crafted.path()}) == 0);
        for (const QString &scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, this, "handToDesktop");
    }
    // The program of the test before ended; one started afresh where the run began, opening no help file.
    void init()
    {
        m_app.reset();
        QTest::qWait(0); // boxes closed with the program go later
        QVERIFY(QDir::setCurrent(m_start));
        startRecordingOpenedFiles();
        m_app = std::make_unique<Application>();
        QVERIFY(QTest::qWaitForWindowExposed(&calculator()));
        QVERIFY(stopRecordingOpenedFiles().filter(QStringLiteral("Zarnith.chm")).isEmpty() && !viewer());
    }
    // The windows placed, brought forward as left; the About box: modal from Decimals only, closed, its looks, raised.
    void navigationAndAbout()
    {
        const auto centred = [](const QWidget *w) {
            return w->frameGeometry().left() == (w->screen()->geometry().width() - w->frameGeometry().width()) / 2;
        };
        const QRect frame = calculator().frameGeometry();
        const int below = calculator().screen()->geometry().height() - frame.bottom() - 1;
        QVERIFY(centred(&calculator()) && qAbs(below - frame.height() / 4.0) <= 1.0);
        typeInto(named<QLineEdit>(&calculator(), "txtN1"), "3");
        FrmFract *decimals = openDecimals();
        QVERIFY(decimals && centred(decimals) && decimals->frameGeometry().bottom() + 1 == frame.top());
        typeInto(named<QLineEdit>(decimals, "txtDecimal"), "2.75");
        decimals->move(10, 20);
        const QPoint moved = decimals->pos();
        press(decimals, "txtNumerator", Qt::CTRL | Qt::Key_F2);
        QTRY_VERIFY(calculator().isActiveWindow() && calculator().frameGeometry() == frame);
        QCOMPARE(named<QLineEdit>(&calculator(), "txtN1")->text(), "3");
        press(&calculator(), "txtN1", Qt::CTRL | Qt::Key_F2);
        QTRY_VERIFY(m_app->decimals() == decimals && decimals->isActiveWindow() && decimals->pos() == moved);
        QCOMPARE(named<QLineEdit>(decimals, "txtDecimal")->text(), "2.75");
        bool modalWhileOpen = false; // set by the timer: only while the press waits for the box
        QTimer::singleShot(50, [&] {
            if ((modalWhileOpen = about() && QApplication::activeModalWidget() == about()))
                QTest::keyClick(about(), Qt::Key_Escape);
        });
        press(decimals, "txtNumerator", Qt::CTRL | Qt::Key_H);
        QTRY_VERIFY(modalWhileOpen && !about());
        click(named<QLabel>(decimals, "Label1"));
        QPointer<FrmAbout> box = about();
        QVERIFY(box && !box->isModal());
        const std::pair<const char *, std::function<void()>> closings[] = {
            {"OK", [&] { click(box->ui().cmdOK); }},
            {"Enter", [&] { QTest::keyClick(box, Qt::Key_Return); }},
            {"Esc", [&] { QTest::keyClick(box, Qt::Key_Escape); }},
            {"close box", [&] { box->close(); }}};
        for (const auto &[way, close] : closings) {
            close();
            QTRY_VERIFY2(!box, way);
            press(&calculator(), "txtN1", Qt::CTRL | Qt::Key_H);
            QVERIFY((box = about()) && QTest::qWaitForWindowExposed(box));
            QCOMPARE(box->ui().Label3->text().lastIndexOf(u"\u00a9 "), 0); // the sign once, before the notice
        }
        const FrmAboutUi &ui = box->ui();
        const auto bright = [](QLabel *w) { return contrast(w->palette().color(QPalette::WindowText), Qt::black) > 7; };
        const QPoint off = box->frameGeometry().center() - box->screen()->geometry().center();
        QString looks = ui.lblVersion->accessibleName() + u' ';
        for (const bool holds :
             {!box->isModal(), off.manhattanLength() <= 1, !ui.Image1->pixmap().isNull(), !ui.Image2->pixmap().isNull(),
              bright(ui.lblTitle), bright(ui.lblVersion), bright(ui.Label3), bright(ui.lblDisclaimer)})
            looks += holds ? u'+' : u'-';
        QCOMPARE(looks, "Zarnith version 8.0 ++++++++"); // modeless, centred, pictures drawn, lines bright
        QCOMPARE(box->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
        box->move(box->pos() + QPoint(7, 7));
        const QPoint placed = box->pos();
        for (QMainWindow *window : std::initializer_list<QMainWindow *>{&calculator(), decimals}) {
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()"); // how this platform raises
            press(window, window == decimals ? "txtNumerator" : "txtN1", Qt::CTRL | Qt::Key_H);
            QTRY_VERIFY(about() == box && box->isActiveWindow() && box->pos() == placed && !box->isModal());
        }
        m_app->endProgram();
        QTRY_VERIFY(!box);
    }
    void endings_data() { addCases(kEndings); }
    // Every window closes; one never opened is never loaded.
    void endings()
    {
        const QStringList how = columns(QTest::currentDataTag(), 3);
        FrmFract *decimals = how[2] == "opened" ? openDecimals() : nullptr;
        QMainWindow *window = how[0] == "calculator" ? static_cast<QMainWindow *>(&calculator()) : decimals;
        QVERIFY(window && (decimals || how[2] == "never opened"));
        QVERIFY(how[1] == "close box" ? window->close() : chooseMenuEntry(window, "mnuFile", "mnuExit"));
        QTRY_VERIFY(!calculator().isVisible());
        QVERIFY(decimals ? !decimals->isVisible() : !m_app->decimals());
    }
    void help_data() { addCases(kHelpFolders); }
    // Contents and F1 in each window: the viewer, its links and history; a new file read afresh; the page as read.
    void help()
    {
        const QStringList c = columns(QTest::currentDataTag(), 2);
        QTemporaryDir empty;
        const QString build = QFileInfo(ZARNITH_HELP_FILE).path();
        const QString folder = c[0] == u"/" ? c[0] : c[0].contains(u"build") ? build : empty.path();
        FrmFract *decimals = openDecimals();
        QVERIFY(decimals && QDir::setCurrent(folder));
        QStringList seen, contents;
        for (int i = 0; i < 4; ++i) {
            QMainWindow *window = i % 2 ? static_cast<QMainWindow *>(decimals) : &calculator();
            QVERIFY(showActive(window));
            seen << messagesDuring([&] {
                i < 2 ? void(chooseMenuEntry(window, "mnuHelp", i ? "mnuContets" : "mnuContents"))
                      : QTest::keyClick(window, Qt::Key_F1);
            });
            HelpWindow *shown = viewer();
            if (!shown)
                continue;
            seen << "the viewer, captioned " + shown->windowTitle();
            const HelpWindowUi &ui = shown->ui();
            QTRY_VERIFY(ui.page->hasFocus() && !shown->isMinimized());
            const auto where = [&] {
                return ui.page->source().path() + u' ' + spoken(shown) + u'|' + ui.contents->currentItem()->text(0)
                    + (ui.actBack->isEnabled() ? " back" : "") + (ui.actForward->isEnabled() ? " forward" : "");
            };
            QTest::keyClick(ui.page, Qt::Key_Tab);
            QVERIFY(where().startsWith("/index.html link The calculator window|Zarnith"));
            const QRect link = ui.page->cursorRect(ui.page->document()->find("The calculator window"));
            QTest::mouseClick(ui.page->viewport(), Qt::LeftButton, {}, link.center() - QPoint(8, 0));
            QCOMPARE(where(), "/calculator.html The calculator window|The calculator window back");
            ui.actBack->trigger();
            QCOMPARE(where(), "/index.html Zarnith|Zarnith forward");
            i % 2 ? QTest::keyClick(ui.page, Qt::Key_Escape) : shown->showMinimized(); // Esc closes it
            QCOMPARE(shown->isVisible(), i % 2 == 0);
        }
        QCOMPARE(seen, QStringList(4, QString(c[1]).replace("{folder}", folder)));
        HelpWindow *shown = viewer();
        if (!shown)
            return;
        const HelpWindowUi &ui = shown->ui();
        ui.actForward->trigger();
        QVERIFY(QFile::copy(ZARNITH_HELP_FILE, empty.filePath("Zarnith.chm")) && QDir::setCurrent(empty.path()));
        const QPoint corner = calculator().screen()->availableGeometry().bottomRight();
        calculator().move(corner - QPoint(100, 100)); // the viewer over it stays on the screen
        QVERIFY(showActive(&calculator()));
        QTest::keyClick(&calculator(), Qt::Key_F1);
        QTRY_COMPARE(shown->frameGeometry().bottomRight(), corner);
        for (QTreeWidgetItemIterator it(ui.contents); *it; ++it) // only entries with pages under them expanded
            contents << (*it)->data(0, Qt::UserRole).toUrl().fileName()
                    + ((*it)->isExpanded() == ((*it)->childCount() > 0) ? "" : " wrongly expanded");
        QVERIFY(!ui.actBack->isEnabled() && shown->findChild<QAction *>("actForward") == ui.actForward);
        QCOMPARE(QString::number(ui.contents->topLevelItemCount()) + u' ' + contents.join(u','),
                 "1 " ZARNITH_HELP_PAGES);
        shown->resize(24 * ui.page->fontMetrics().height(), shown->height()); // its paragraphs wrap
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(ui.page);
        QAccessibleTextInterface *text = reader->textInterface();
        const QAccessible::State state = reader->state();
        QVERIFY(reader->role() == QAccessible::Document && state.readOnly && state.multiLine && state.selectableText);
        QString read;
        int lines = 0, from, to;
        for (int at = 0; at < text->characterCount() && lines < 10000; at = to, ++lines)
            read += text->textAtOffset(at, QAccessible::LineBoundary, &from, &to);
        QVERIFY(read == ui.page->toPlainText() && lines > ui.page->document()->blockCount());
        // The caret, the selection, a run of attributes, a character's place, as a reader sees them: at the bounds and
        // past.
        const int count = text->characterCount();
        const auto after = [&](auto &&step) {
            step();
            text->selection(0, &from, &to);
            return QString("%1 %2-%3 %4 ").arg(text->cursorPosition()).arg(from).arg(to).arg(text->selectionCount())
                + ui.page->textCursor().selectedText();
        };
        const QRect box = text->characterRect(7);
        const int at = text->offsetAtPoint(box.topLeft() + QPoint(1, box.height() / 2)); // where the page draws it
        const QStringList reads = {
            after([&] { text->setCursorPosition(3); }),
            after([&] { text->addSelection(0, 5); }),
            after([&] { text->removeSelection(0); }),
            after([&] { text->scrollToSubstring(-4, 0); }),
            after([&] { text->setSelection(0, count - 2, count); }),
            QString("%1 %2-%3").arg(at).arg(text->attributes(9, &from, &to).size() + from).arg(to)};
        QCOMPARE(reads,
                 QStringList({"3 0-0 0 ", "5 0-5 1 " + text->text(0, 5), "5 0-0 0 ", "0 0-0 0 ",
                              QString("%1 %2-%1 1 ").arg(count).arg(count - 2) + text->text(count - 2, count),
                              QString("7 0-%1").arg(count)}));
        QVERIFY(count == ui.page->toPlainText().size() && text->characterRect(-1) == text->characterRect(0)
                && text->characterRect(0) != text->characterRect(1)
                && text->characterRect(count + 9) == text->characterRect(count));
        QVERIFY(QDir::setCurrent(m_crafted.filePath("bounds at their limits")) && showActive(&calculator()));
        QTest::keyClick(&calculator(), Qt::Key_F1); // another file's first page, of the same name, read afresh
        QTRY_COMPARE(ui.page->documentTitle(), "Limits");
        m_app->endProgram();
        QVERIFY(!shown->isVisible()); // the viewer goes with the program
    }
    // Every bound of the help reader holds at its limit and refuses one past it; the read time spent, pages still read.
    void bounds()
    {
        HelpFile file, past;
        QVERIFY(file.open(m_crafted.filePath("bounds at their limits/Zarnith.chm"))
                && past.open(m_crafted.filePath("a title running past its record/Zarnith.chm")));
        QCOMPARE(file.title() + past.title(), "Limits");
        HelpPage page;
        page.setFile(&file);
        QSignalSpy refused(&page, &HelpPage::pageRefused);
        for (const char *name : {"limit.html", "past.html"})
            page.setSource(helpTopicUrl(name));
        QCOMPARE(page.documentTitle() + u' ' + refused.value(0).value(0).toUrl().fileName(), "At the limit past.html");
        QList<QSize> sizes; // a file: address is not read from the help file, though the file holds that path
        for (const QUrl &url : {helpTopicUrl("limit.png"), helpTopicUrl("past.png"), QUrl("file:///limit.png")})
            sizes << page.loadResource(QTextDocument::ImageResource, url).value<QImage>().size();
        QCOMPARE(sizes, (QList<QSize>{{2048, 2048}, {1, 1}, {1, 1}}));
        const auto contents = [](int depth, int entries) {
            const QByteArray entry = R"(<li><object type="text/sitemap"><param name="Name" value="T"></object>)";
            return parseContents(QByteArray("<ul>").repeated(depth) + entry.repeated(entries), QDeadlineTimer::Forever);
        };
        QVERIFY(contents(32, 1) && !contents(33, 1) && contents(1, 5000)->size() == 5000 && !contents(1, 5001));
        QElapsedTimer clock;
        clock.start();
        const int most = kUnderValgrind ? 60000 : 5000;
        while (!file.read("/past.html", 2 << 20).isEmpty() && clock.elapsed() < most) {
        }
        QVERIFY(clock.elapsed() >= HelpBounds::kReadMilliseconds && clock.elapsed() < most);
        page.setSource(helpTopicUrl("index.html"));
        QCOMPARE(page.documentTitle(), "Limits");
    }
    void hostileHelp_data() { addCases(kHostileHelp); }
    // Each step under 2 s and 100 MB more memory, opening no file but the help file and the system's.
    void hostileHelp()
    {
        const QStringList c = columns(QTest::currentDataTag(), 2);
        const QString file = m_crafted.filePath(c[0] + "/Zarnith.chm");
        QFile clear(QStringLiteral("/proc/self/clear_refs")); // 5: the peak from now on
        QVERIFY(QDir::setCurrent(m_crafted.filePath(c[0])) && clear.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                && clear.write("5") == 1);
        const auto peak = [] { // the most memory held since, in bytes
            QFile status(QStringLiteral("/proc/self/status"));
            status.open(QIODevice::ReadOnly);
            return QRegularExpression(R"(VmHWM:\s*(\d+) kB)").match(status.readAll()).captured(1).toLongLong() * 1024;
        };
        const qint64 before = peak();
        // What a step shows: its message, "desktop" (an address handed there), the page it goes to, or nothing.
        const auto step = [&](const std::function<void()> &action) {
            const QDeadlineTimer limit(kUnderValgrind ? -1 : 2000); // -1: none
            const QUrl from = viewer() ? viewer()->ui().page->source() : QUrl();
            m_handedOut = 0;
            QString shows = messagesDuring(action).join(", ");
            HelpPage *page = viewer() && viewer()->isVisible() ? viewer()->ui().page : nullptr;
            if (shows.isEmpty() && !m_handedOut && page && page->source() != from)
                shows = "page \"" + page->documentTitle() + '"';
            if (shows.startsWith("page") && !from.isEmpty())
                page->setSource(from);
            return (shows.isEmpty() ? QString(m_handedOut ? "desktop" : "nothing") : shows)
                + (limit.hasExpired() ? " (2 s past)" : "");
        };
        startRecordingOpenedFiles();
        QStringList seen = {step([&] { QTest::keyClick(&calculator(), Qt::Key_F1); })};
        if (HelpWindow *shown = viewer(); shown && shown->isVisible()) {
            // Each link, and each contents entry leading elsewhere, where it is clicked.
            QList<std::tuple<QString, QWidget *, QPoint>> targets;
            HelpPage *page = shown->ui().page;
            for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it)
                    if (const QTextFragment link = it.fragment(); link.charFormat().isAnchor()) {
                        QTextCursor middle(block);
                        middle.setPosition(link.position() + link.length() / 2);
                        targets.append({"link \"" + link.text(), page->viewport(), page->cursorRect(middle).center()});
                    }
            for (QTreeWidgetItemIterator it(shown->ui().contents); *it; ++it)
                if (!(*it)->data(0, Qt::UserRole).toUrl().matches(page->source(), QUrl::RemoveFragment))
                    targets.append({"entry \"" + (*it)->text(0), shown->ui().contents->viewport(),
                                    shown->ui().contents->visualItemRect(*it).center()});
            for (const auto &[name, widget, at] : targets)
                seen << name + "\" → " + step([&] { QTest::mouseClick(widget, Qt::LeftButton, {}, at); });
        }
        QStringList outside = stopRecordingOpenedFiles();
        QCOMPARE(seen.join("; "), QString(c[1]).replace("{file}", file));
        outside.removeIf([&](const QString &path) { return path == file || kSystemFiles.match(path).hasMatch(); });
        QVERIFY2(outside.isEmpty(), qPrintable("opened: " + outside.join(u", ")));
        QVERIFY2(kUnderValgrind || peak() - before < 100'000'000, "100 MB more memory or over");
    }
    void xServer_data() { addCases(kDisplays); }
    // A listener in the abstract namespace at display 987, as X servers listen.
    void xServer()
    {
        const QStringList c = columns(QTest::currentDataTag(), 2);
        const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto closed = qScopeGuard([server] { ::close(server); });
        const sockaddr_un at{AF_UNIX, "\0/tmp/.X11-unix/X987"};
        const socklen_t size = sizeof at.sun_family + 1 + std::strlen(at.sun_path + 1);
        QVERIFY(::bind(server, reinterpret_cast<const sockaddr *>(&at), size) == 0 && ::listen(server, 1) == 0);
        QCOMPARE(xServerReachable(c[0] == u"_" ? QByteArray() : c[0].toLatin1()) ? "yes" : "no", c[1]);
    }
    // The platform desktops.sh expects; on Wayland each window's own title bar, its size kept.
    void platformChosen()
    {
        QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("ZARNITH_EXPECTED_PLATFORM", "offscreen"));
        QCOMPARE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), !qEnvironmentVariableIsSet("ZARNITH_EXPECTED_PLATFORM"));
        const bool wayland = QGuiApplication::platformName() == u"wayland";
        QCOMPARE(qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"), wayland); // else Qt's title bars
        if (!wayland)
            return;
        m_app->about().showModeless();
        for (QWidget *w : QWidgetList{&calculator(), openDecimals(), about()}) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QWidget *bar = named<QWidget>(w, "titleBar");
            QCOMPARE(bar->findChildren<QToolButton *>().size(), w == about() ? 1 : 2); // close, minimise; no maximise
            QVERIFY(w->windowHandle()->frameMargins().isNull());                       // no title bar of Qt's
            const QImage captioned = bar->grab().toImage();
            w->setWindowTitle(QString());
            QVERIFY(bar->grab().toImage() != captioned); // its caption is drawn
            const QSize size = w->size();
            w->setWindowState(Qt::WindowMaximized);
            QTest::qWait(300);
            QTRY_VERIFY(w->windowState() == Qt::WindowNoState && w->size() == size);
            w->windowHandle()->resize(size + QSize(40, 40)); // its edge dragged: back to its size
            QTest::qWait(300);
            QTRY_COMPARE(w->size(), size);
        }
    }

private:
    Form1 &calculator() { return m_app->calculator(); }
    FrmAbout *about() const { return m_app->about().box(); }
    FrmFract *openDecimals()
    {
        click(named<QPushButton>(&calculator(), "cmdDecimal"));
        return m_app->decimals() && QTest::qWaitForWindowExposed(m_app->decimals()) ? m_app->decimals() : nullptr;
    }
    void press(QMainWindow *window, const char *box, QKeyCombination keys)
    {
        QVERIFY(showActive(window));
        QTest::mouseClick(named<QLineEdit>(window, box), Qt::LeftButton);
        QTest::keySequence(named<QLineEdit>(window, box), QKeySequence(keys));
    }
    // The one help viewer; null when there is none, or more than one.
    static HelpWindow *viewer()
    {
        QWidgetList found = QApplication::topLevelWidgets();
        found.removeIf([](QWidget *w) { return !qobject_cast<HelpWindow *>(w); });
        return found.size() == 1 ? static_cast<HelpWindow *>(found[0]) : nullptr;
    }
    Q_INVOKABLE void handToDesktop(const QUrl &) { ++m_handedOut; } // in the desktop's place: counts addresses
    std::unique_ptr<Application> m_app;
    QTemporaryDir m_crafted;
    const QString m_start = QDir::currentPath();
    int m_handedOut = 0;
};
static const bool kChosen = (choosePlatform(), true); // before QApplication, as main does
QTEST_MAIN(TestShell)
#include "tst_shell.moc"
