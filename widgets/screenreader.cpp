#include "screenreader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QWidget>

namespace zarnith {

namespace {

// The widget a screen reader takes for a notification: shown with a new
// text, it is spoken. It has no size, so nobody sees it or clicks it.
class Announcement : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// The name of a label that shows a value. It is kept apart from the label's
// accessible name: a label with an accessible name of its own no longer
// tells the reader when its text changes.
const char *const kCaption = "readerCaption";
// Marks a picture or line the reader passes over.
const char *const kHidden = "readerHidden";

// A label that shows a value, named by its caption and the value.
class CaptionedLabel : public QAccessibleWidget {
public:
    explicit CaptionedLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString caption = widget()->property(kCaption).toString();
        const QString shown = static_cast<const QLabel *>(widget())->text();
        return shown.isEmpty() ? caption : caption + QLatin1String(": ") + shown;
    }
};

// A picture or line that carries no meaning: the reader passes over it.
class Hidden : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface *readerInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(kCaption).isValid())
        return new CaptionedLabel(label);
    if (object->property(kHidden).toBool())
        return new Hidden(static_cast<QWidget *>(object));
    return nullptr;
}

// Gives the controls above their own accessible interfaces. It only records
// a function, called when an interface is first asked for: it starts nothing.
void installReaderInterfaces()
{
    static const bool installed = (QAccessible::installFactory(readerInterface), true);
    Q_UNUSED(installed);
}

bool isZero(const QString &number)
{
    return number.isEmpty() || number == QLatin1String("0");
}

} // namespace

void setReaderTexts(std::initializer_list<ReaderText> texts)
{
    installReaderInterfaces();
    for (const ReaderText &t : texts) {
        const auto *label = qobject_cast<const QLabel *>(t.control);
        if (label && label->pixmap().isNull())
            t.control->setProperty(kCaption, QString::fromUtf8(t.name));
        else
            t.control->setAccessibleName(QString::fromUtf8(t.name));
        if (t.shortcutOf)
            t.control->setAccessibleDescription(t.shortcutOf->shortcut().toString(QKeySequence::NativeText));
    }
}

void hideFromReader(std::initializer_list<QWidget *> widgets)
{
    installReaderInterfaces();
    for (QWidget *widget : widgets)
        widget->setProperty(kHidden, true);
}

// The notification is kept up to date whether or not a reader listens: a
// reader that starts later finds the last result, and it costs a few
// microseconds per command, nothing at start-up.
void announce(QWidget *window, const QString &text)
{
    if (text.isEmpty())
        return;
    // It stands in the window's client area, which has no layout: shown and
    // hidden there, it costs the window no new layout.
    auto *main = qobject_cast<QMainWindow *>(window);
    QWidget *area = main && main->centralWidget() ? main->centralWidget() : window;
    auto *announcement = area->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcement) {
        installReaderInterfaces();
        announcement = new Announcement(area);
        announcement->setObjectName("announcement");
        announcement->resize(0, 0);
    }
    // Hidden and shown again, so that the same text twice is spoken twice.
    announcement->hide();
    announcement->setAccessibleName(text);
    announcement->show();
}

QString spokenMixedNumber(const QString &whole, const QString &numerator,
                          const QString &denominator)
{
    QStringList parts;
    if (!isZero(whole))
        parts << whole;
    if (!isZero(numerator))
        parts << numerator + u'/' + denominator;
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(u' ');
}

} // namespace zarnith

#include "screenreader.moc"
