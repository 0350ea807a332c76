#pragma once

class QWidget;

namespace zarnith {

// Places the calculator window as it loads: centred across the screen, its
// bottom a quarter of its own height above the bottom of the screen. The
// rule is applied to the outer frame (title bar, border and menu bar
// included). On X11 the frame is known only once the window is mapped, so
// the window is placed before it is shown and again whenever the size of
// its frame turns out different from the one it was placed by.
void placeCalculatorWindow(QWidget *window);

} // namespace zarnith
