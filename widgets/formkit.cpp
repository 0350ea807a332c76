#include "formkit.h"

#include "pictures.h"
#include "placement.h"
#include "titlebar.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

namespace zarnith {

void setTwipsGeometry(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QStringList installedFaces(const QStringList &wanted)
{
    const QStringList installed = QFontDatabase::families();
    QStringList faces;
    for (const QString &face : wanted) {
        if (installed.contains(face, Qt::CaseInsensitive))
            faces << face;
    }
    return faces;
}

QFont dialogFont(double pointSize, bool bold)
{
    // Only the faces the system has: asking for a missing one first costs a
    // fontconfig fallback search for every size of it.
    static const QStringList faces = installedFaces(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

namespace {
MessageSink &messageSink()
{
    static MessageSink sink;
    return sink;
}

std::function<void()> &beepSink()
{
    static std::function<void()> sink;
    return sink;
}
} // namespace

void setMessageSink(MessageSink sink)
{
    messageSink() = std::move(sink);
}

void setBeepSink(std::function<void()> sink)
{
    beepSink() = std::move(sink);
}

void beep()
{
    if (beepSink())
        beepSink()();
    else
        QApplication::beep();
}

void showMessage(QWidget *parent, const QString &text)
{
    if (messageSink()) {
        messageSink()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.setWindowIcon(programIcon());
    // The style may give OK a picture; the program's OK has none.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    // Wide enough that the window manager shows the caption whole beside
    // its icon and buttons, at a bold title font somewhat larger than the
    // box's own: a row of that width below the box's contents.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    const QFontMetrics title(titleFont);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int width = title.horizontalAdvance(kApplicationTitle) + 6 * title.height();
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }
    TitleBar::addTo(&box);
    box.exec();
}

WindowShortcutsFirst::WindowShortcutsFirst(QWidget *window) : QObject(window), m_window(window)
{
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        box->installEventFilter(this);
}

bool WindowShortcutsFirst::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
    for (const QAction *action : m_window->findChildren<QAction *>()) {
        if (action->isEnabled() && action->shortcut() == pressed) {
            // Left unaccepted, the key goes on to the window's shortcut.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zarnith
