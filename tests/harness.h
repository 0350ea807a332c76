#pragma once

// What every test shares: case tables written one case a line, the error
// kind of a piece of engine code, and driving the real windows as a person
// does (clicks, typing, menus, message boxes).

#include "errors.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QMainWindow;
class QWidget;

namespace zarnith::test {

// Case tables. A table is a raw string, one case a line; blank lines and
// lines starting with '#' are left out. In a test's _data function,
// addCases(table) adds one row per case, named by the line itself, with the
// single column "line"; the test reads it with QFETCH(QString, line).
QStringList caseLines(const char *table);
void addCases(const char *table);
// A case split at '|' into `count` trimmed columns (missing ones empty).
QStringList columns(const QString &line, int count);
// A column split at blanks into words; "_" stands for an empty text and
// "~" inside a word for a blank (so "~7" is " 7").
QStringList words(const QString &column);

// kNone when `f` returns normally, else the EngineError kind it raised.
inline constexpr int kNone = -1;
int errorOf(const std::function<void()> &f);
// "ok", "mismatch", "division by zero" or "overflow" for an error kind.
QString errorName(int kind);

// What a message box showed before the person dismissed it with OK.
struct ShownMessage {
    QString caption;
    QString text;
    bool plain = false; // an OK button only, no icon, modal
};

// Runs `action`; every message box that opens meanwhile is read and
// dismissed by a click on its OK button, after `whileShown` has looked at
// the windows behind it.
QList<ShownMessage> messagesDuring(const std::function<void()> &action,
                                   const std::function<void()> &whileShown = {});
// The texts of the messages shown during `action`.
QStringList messageTexts(const std::function<void()> &action);

// The control named `name` in `window` (a failed QVERIFY-style warning
// names a missing one).
template <class T>
T *named(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// A person's click: the pointer moves onto the widget, then clicks.
void click(QWidget *widget);
// Clicks into `box`, selects what it holds and types `text` over it (an
// empty text deletes what it held).
void typeInto(QWidget *box, const QString &text);
// Opens a menu of the window's menu bar with the mouse and clicks an entry.
bool chooseMenuEntry(QMainWindow *window, const QString &menuName, const QString &entryName);
// Shows, exposes and activates a window; false when it never became active.
bool showActive(QWidget *window);

// Drops the headless platform's warnings about window features it lacks;
// call from initTestCase.
void quietPlatformWarnings();

} // namespace zarnith::test
