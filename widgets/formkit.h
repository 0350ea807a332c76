#pragma once

// What every window of the program is built from: twip geometry, the fonts,
// the message box, and menu shortcuts that reach past the text boxes.

#include <QFont>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zarnith {

inline const QString kApplicationTitle = QStringLiteral("Zarnith");
// The maker's web address, shown by the Decimals window and the About box.
inline const QString kMakerAddress = QStringLiteral("www.example.org/zarnith");

// The shortcut that moves between the two working windows: the calculator's
// Decimal entry and the Decimals window's Fractions entry carry it both.
inline const QKeySequence kOtherWindowShortcut{Qt::CTRL | Qt::Key_F2};

// Places a control by its left, top, width and height in twips, relative to
// its container's client area.
void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height);

// The dialog face at a point size: the face the window was designed with,
// else the nearest sans-serif face the system has.
QFont dialogFont(double pointSize, bool bold = false);

// Of the faces wanted, in order, those the system has.
QStringList installedFaces(const QStringList &wanted);

// The program's message box: modal, the application title as its caption,
// an OK button only and no icon. Returns when the user dismisses it.
void showMessage(QWidget *parent, const QString &text);

// Where messages go instead of a message box, for runs where nobody is there
// to dismiss one (the fuzzers). An empty sink restores the message box.
using MessageSink = std::function<void(QWidget *parent, const QString &text)>;
void setMessageSink(MessageSink sink);

// The desktop's beep, as a native text box gives it for a keystroke it
// refuses. Where a sink is set, the beep goes there instead (the tests
// count them); an empty sink restores the desktop's.
void beep();
void setBeepSink(std::function<void()> sink);

// Text boxes take some shortcut keys for their own editing (Ctrl+A selects
// all, for one). Installed on a window, this filter lets every shortcut of
// the window's own enabled actions win while the focus is in one of its
// boxes (a disabled Copy leaves Ctrl+C to the box).
class WindowShortcutsFirst : public QObject {
    Q_OBJECT
public:
    explicit WindowShortcutsFirst(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace zarnith
