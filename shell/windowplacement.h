#pragma once

class QWidget;

namespace zarnith {

// The working windows and the About box place themselves as they load, by
// their outer frames (title bar, border and menu bar included). On X11 a
// frame is known only once the window is mapped, so a window is placed
// before it is shown and again whenever the size of its frame turns out
// different from the one it was placed by.

// The calculator window: centred across the screen, its bottom a quarter of
// its own height above the bottom of the screen.
void placeCalculatorWindow(QWidget *window);

// The Decimals window: centred across the screen, its bottom edge on the
// calculator window's top edge.
void placeDecimalsWindow(QWidget *window, const QWidget *calculator);

// Shows a window that is loaded already on top of the others and active,
// out of the task bar if it was minimised.
void bringForward(QWidget *window);

// The help viewer: centred over `other`, the window it was asked from, and
// kept on the screen.
void placeOver(QWidget *window, const QWidget *other);

// The About box: centred on the screen, across and down.
void placeAboutBox(QWidget *window);

} // namespace zarnith
