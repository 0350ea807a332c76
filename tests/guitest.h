#pragma once

// Helpers for driving the real windows as a person does.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QMainWindow;
class QWidget;

namespace zarnith::test {

// What a message box showed before the person dismissed it with OK.
struct ShownMessage {
    QString caption;
    QString text;
    bool hasIcon = false;
    int buttonCount = 0;
    bool modal = false;
};

// Runs `action`; every message box that opens meanwhile is read and
// dismissed by a click on its OK button, after `whileShown` has looked at
// the windows behind it. Returns them in order.
QList<ShownMessage> messagesDuring(const std::function<void()> &action,
                                   const std::function<void()> &whileShown = {});

// Clicks into `box`, selects what it holds (End, then Shift+Home) and
// types `text` over it (an empty text deletes what it held).
void typeInto(QWidget *box, const QString &text);

// The control named `name` in `window`, or null (with a warning that names it).
template <class T>
T *named(const QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Opens a menu of the window's menu bar with the mouse and clicks an entry.
// Returns false when the menu did not open.
bool chooseMenuEntry(QMainWindow *window, const char *menuName, const char *entryName);

// The headless platform warns about every window feature it lacks (size
// hints, raising, keyboard grabs); those warnings say nothing about the
// program and are dropped. Call from initTestCase.
void quietPlatformWarnings();

} // namespace zarnith::test
