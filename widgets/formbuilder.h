#pragma once

// Builds the controls of a window's definition: each named, placed in
// twips relative to its container, with the font it is designed with.

#include "linewidget.h"

#include <QFont>
#include <QKeySequence>
#include <QString>

class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace zarnith {

class BoxEdit;

struct TwipsRect {
    int left, top, width, height;
};

// The window itself: its name, caption, the program's icon, a fixed client
// area of the given size below the menu bar, a minimise box but no
// maximise box, and the default dialog font. Returns the client area, the
// container of the window's controls.
QWidget *setUpFixedWindow(QMainWindow *window, const char *name, const QString &caption, int clientWidth,
                          int clientHeight);

QGroupBox *addFrame(QWidget *parent, const char *name, TwipsRect r, const QString &caption = {});
// A command button; with `wrap` its caption wraps word by word within it.
QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, TwipsRect r, bool wrap = false);
BoxEdit *addBox(QWidget *parent, const char *name, TwipsRect r, const QFont &font, int inputLimit,
                Qt::Alignment alignment = Qt::AlignCenter);
// A label that sizes itself to its caption, its left edge fixed.
QLabel *addLabel(QWidget *parent, const char *name, TwipsRect r, const QString &caption = {});
// A field in the boxes' colours that sizes itself to its text, its left edge fixed.
QLabel *addField(QWidget *parent, const char *name, TwipsRect r);
LineWidget *addLine(QWidget *parent, const char *name, int x1, int y, int x2, int thickness,
                    LineWidget::Thickness drawn = LineWidget::Thickness::Centred);

QMenu *addMenu(QMainWindow *window, const char *name, const QString &caption);
QAction *addEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {});

// Sets the focus order: each widget follows the one before it.
void setFocusOrder(std::initializer_list<QWidget *> widgets);

} // namespace zarnith
