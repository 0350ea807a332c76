#pragma once

// What the windows' tests share: case tables, and driving the real windows
// as a person does.

#include "tables.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QColor;
class QMainWindow;
class QWidget;

namespace zarnith::test {

// Runs `action`; returns the text of every message box it opened, each read
// and closed with OK (after `whileShown`). A box not the program's own
// (modal, captioned "Zarnith" and wide enough to show it, the program's
// icon on its window, an OK button only, no icon in it, centred over the
// window it came from) reads "odd: text".
QStringList messagesDuring(const std::function<void()> &action, const std::function<void()> &whileShown = {});

template <class T>
T *named(const QObject *window, const QString &name)
{
    return window->findChild<T *>(name);
}

// The pointer moves onto the widget, then clicks it.
void click(QWidget *widget);
// Clicks into a box, selects its text and types over it ("_" empties it, "~" is a blank).
void typeInto(QWidget *box, QString text);
// Opens a menu of the menu bar with the mouse and clicks an entry.
bool chooseMenuEntry(QMainWindow *window, const QString &menuName, const QString &entryName);
// Right-clicks the widget and chooses the only entry of the menu it offers;
// returns that entry's caption, with ", disabled" where it is (empty when
// no such menu opened).
QString chooseOnlyContextEntry(QWidget *widget);
// Shows and activates a window; false when it never became active.
bool showActive(QWidget *window);
// What the window last told a screen reader (its notification).
QString spoken(const QWidget *window);
// The contrast of two colours, from 1 to 21.
double contrast(const QColor &a, const QColor &b);

} // namespace zarnith::test
