#pragma once

#include <QByteArray>

class QUrl;
class QWidget;

namespace zarnith {

// Chooses the window system before the application object exists. Where
// the user has chosen no Qt platform (QT_QPA_PLATFORM unset), Zarnith runs
// through X11 whenever an X server is reachable, XWayland on a Wayland
// session included, because it places its windows itself and a Wayland
// client cannot; Wayland, where it is there, remains the fall-back should
// the X server refuse the connection. With no X server, Qt's own choice
// stands (Wayland on a Wayland session). A platform the user chose, by the
// variable or by -platform, is respected. On Wayland, where the compositor
// draws no title bars, the windows draw their own (TitleBar), which offer
// no maximise box.
void choosePlatform();

// Once the application object has read it, takes back the platform
// choosePlatform set, so that programs started from Zarnith (a link in the
// help opened in the desktop's browser) choose for themselves.
void forgetPlatformChoice();

// Hands `url` to the desktop's program for it, without the variables set
// for Zarnith's own windows (QT_WAYLAND_DISABLE_WINDOWDECORATION): the
// started program decides for itself whether it draws title bars.
void openOnDesktop(const QUrl &url);

// Whether an X server answers at `display` (a DISPLAY value): for a local
// display, whether its socket takes a connection, which costs a few system
// calls; a display on another host is taken at its word.
bool xServerReachable(const QByteArray &display);

// On Wayland, a window of fixed size that the compositor maximises must
// take the maximised size for as long as the compositor holds it there,
// or the compositor ends the connection. This lets the window follow the
// compositor into that state and asks at once to leave it again, so that
// the window keeps its size; any other resize is undone. It also gives the
// window its own title bar where the windows draw theirs. Elsewhere, where
// the window manager honours the fixed size, it does nothing.
void adaptToWayland(QWidget *window);

} // namespace zarnith
