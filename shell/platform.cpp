#include "platform.h"

#include "titlebar.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <wayland-client.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <utility>

namespace zarnith {

namespace {

// Whether choosePlatform set the platform, to be taken back once Qt has read it.
bool g_chose = false;
// Whether it had Qt's Wayland title bars left out, for Zarnith's windows only.
bool g_choseNoDecoration = false;
const char *const kNoDecoration = "QT_WAYLAND_DISABLE_WINDOWDECORATION";

// Whether a Unix socket at `address` takes a connection (a leading zero
// byte names one in the abstract namespace).
bool socketAnswers(const QByteArray &address)
{
    sockaddr_un peer{};
    if (address.size() >= static_cast<qsizetype>(sizeof peer.sun_path))
        return false;
    peer.sun_family = AF_UNIX;
    std::memcpy(peer.sun_path, address.constData(), static_cast<size_t>(address.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + address.size());
    const bool answered = ::connect(fd, reinterpret_cast<const sockaddr *>(&peer), length) == 0;
    ::close(fd);
    return answered;
}

// Whether the Wayland compositor draws its clients' title bars (it offers
// them the decoration manager). No compositor: nothing to decide, yes.
bool compositorDrawsTitleBars()
{
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return true;
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void *offeredOne, wl_registry *, uint32_t, const char *interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool *>(offeredOne) = true;
        },
        [](void *, wl_registry *, uint32_t) {}};
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

// Lets a fixed window on Wayland follow the compositor into a maximised or
// full-screen state and asks to leave it again straight away.
class FixedSizeKeeper : public QObject {
public:
    explicit FixedSizeKeeper(QWidget *window) : QObject(window), m_window(window) { window->installEventFilter(this); }

protected:
    // Installed on the window alone.
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            // The window keeps its own fixed size; only its native window
            // may take the compositor's size, which is undone at once.
            m_window->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            break;
        case QEvent::WindowStateChange:
        case QEvent::Resize:
            // After the event, once the compositor has the state it asked for.
            QTimer::singleShot(0, this, &FixedSizeKeeper::restore);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr Qt::WindowStates kHeld = Qt::WindowMaximized | Qt::WindowFullScreen;

    void restore()
    {
        const QSize fixed = m_window->minimumSize();
        if (m_window->windowState() & kHeld) {
            m_leaving = true;
            m_window->setWindowState(m_window->windowState() & ~kHeld);
        } else if (m_window->size() == fixed) {
            m_leaving = false;
        } else if (!m_leaving) {
            // Resized by dragging its edge: back to its size.
            m_window->resize(fixed);
        }
    }

    QWidget *m_window;
    // Asked to leave the held state; the compositor has yet to answer.
    bool m_leaving = false;
};

} // namespace

bool xServerReachable(const QByteArray &display)
{
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    if (!host.isEmpty() && host != "unix")
        return true;
    const QByteArray number = display.mid(colon + 1).split('.').first();
    bool isNumber = false;
    number.toUInt(&isNumber);
    if (!isNumber)
        return false;
    const QByteArray socket = "/tmp/.X11-unix/X" + number;
    return socketAnswers('\0' + socket) || socketAnswers(socket);
}

void choosePlatform()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen.isEmpty() && xServerReachable(qgetenv("DISPLAY"))) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        g_chose = true;
        return;
    }
    // Qt's own title bar on Wayland offers a maximise box whatever a window
    // allows; where the compositor draws no title bars either, the windows
    // draw their own.
    const bool onWayland = chosen.isEmpty() || chosen.startsWith("wayland");
    if (onWayland && qEnvironmentVariableIsEmpty(kNoDecoration) && !compositorDrawsTitleBars()) {
        // Read as the program's windows are made: it stays set for them.
        qputenv(kNoDecoration, "1");
        g_choseNoDecoration = true;
        TitleBar::setWanted(true);
    }
}

void forgetPlatformChoice()
{
    if (std::exchange(g_chose, false))
        qunsetenv("QT_QPA_PLATFORM");
}

void openOnDesktop(const QUrl &url)
{
    if (g_choseNoDecoration)
        qunsetenv(kNoDecoration);
    QDesktopServices::openUrl(url);
    if (g_choseNoDecoration)
        qputenv(kNoDecoration, "1");
}

void adaptToWayland(QWidget *window)
{
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    new FixedSizeKeeper(window);
    TitleBar::addTo(window);
}

} // namespace zarnith
