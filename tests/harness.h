#pragma once

// What every test shares: case tables one case a line, the outcome of a
// piece of engine code, and driving the real windows as a person does.

#include <QObject>
#include <QStringList>

#include <functional>

class QMainWindow;
class QWidget;

namespace zarnith::test {

// In a test's _data function: one row per line of `table` (blank lines and
// "#" lines left out), named by the line, in the column "line"; once per
// prefix, written in front of the line (to run a table in two locales).
void addCases(const char *table, const QStringList &prefixes = {QString()});
// A case split at "|" into at least `count` trimmed columns.
QStringList columns(const QString &line, int count);
// A column split at blanks: "_" is an empty text, "~" in a word a blank.
QStringList words(const QString &column);

// What `f` gives, or the error it raises: "mismatch", "division by zero",
// "overflow".
QString outcome(const std::function<QString()> &f);

// A message box as the person saw it before clicking its OK button.
struct ShownMessage {
    QString caption;
    QString text;
    bool plain = false; // modal, an OK button only, no icon anywhere
};
// Runs `action`, reading and dismissing every message box it opens (after
// `whileShown` has looked at the windows behind it).
QList<ShownMessage> messagesDuring(const std::function<void()> &action,
                                   const std::function<void()> &whileShown = {});

template <class T>
T *named(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// The pointer moves onto the widget, then clicks it.
void click(QWidget *widget);
// Clicks into a box, selects what it holds and types `text` over it.
void typeInto(QWidget *box, const QString &text);
// Opens a menu of the menu bar with the mouse and clicks an entry.
bool chooseMenuEntry(QMainWindow *window, const QString &menuName, const QString &entryName);
// Shows and activates a window; false when it never became active.
bool showActive(QWidget *window);
// What the window last told a screen reader (its notification).
QString spoken(const QWidget *window);
// Drops the headless platform's warnings about features it lacks.
void quietPlatformWarnings();

} // namespace zarnith::test
