#pragma once

// What the windows' tests share: case tables, and driving the real windows as a person does.
#include "tables.h"
#include <QObject>
#include <QStringList>
#include <functional>

class QColor;
class QMainWindow;
class QWidget;

namespace zarnith::test {

// Runs `action`; the text of each message box it opened, closed with OK (after `whileShown`). A box not the program's
// own (modal, "Zarnith" wide enough to show, its icon, OK alone, no icon inside, centred over its window): "odd: text".
QStringList messagesDuring(const std::function<void()> &action, const std::function<void()> &whileShown = {});
template <class T>
T *named(const QObject *window, const QString &name)
{
    return window->findChild<T *>(name);
}
void click(QWidget *widget); // the pointer moves onto the widget, then clicks it
// Clicks into a box, selects its text and types over it ("_" empties it, "~" is a blank).
void typeInto(QWidget *box, QString text);
// Opens a menu of the menu bar with the mouse and clicks an entry.
bool chooseMenuEntry(QMainWindow *window, const QString &menuName, const QString &entryName);
// Right-clicks the widget, chooses its menu's only entry: its caption (", disabled" if so; empty: no such menu).
QString chooseOnlyContextEntry(QWidget *widget);
bool showActive(QWidget *window);                  // false when it never became active
QString spoken(const QWidget *window);             // what the window last told a screen reader
double contrast(const QColor &a, const QColor &b); // from 1 to 21

} // namespace zarnith::test
