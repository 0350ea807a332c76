#include "screenreader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
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
// Marks a text view shown as a document.
const char *const kDocument = "readerDocument";

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

// A menu entry with a shortcut, as a screen reader reads it: its caption
// and its shortcut. A reader takes an entry's key binding apart in three
// ("access key;path;shortcut"); Qt's own entry hands over the shortcut
// alone, which the reader takes for the access key and does not say.
class ShortcutMenuEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ShortcutMenuEntry(QAction *action, QMenu *menu) : m_action(action), m_menu(menu) {}

    bool isValid() const override { return m_action && m_menu; }
    QObject *object() const override { return m_action; }
    QWindow *window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        return m_menu->actionGeometry(m_action).translated(m_menu->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_menu->isVisible() || !m_action->isVisible();
        s.focused = m_menu->activeAction() == m_action;
        s.disabled = !m_action->isEnabled();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString(m_action->text()).remove(u'&');
        if (t == QAccessible::Accelerator)
            return m_action->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && m_action->isEnabled())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override
    {
        const qsizetype amp = m_action->text().indexOf(u'&');
        const QString accessKey = amp >= 0 ? m_action->text().mid(amp + 1, 1).toLower() : QString();
        return {accessKey, QString(), readerKeys(m_action->shortcut())};
    }

private:
    // "Ctrl+F2" as a reader's key binding: "<Control>F2".
    static QString readerKeys(const QKeySequence &keys)
    {
        const QKeyCombination k = keys[0];
        QString text;
        for (const auto &[modifier, name] : {std::pair{Qt::ControlModifier, "<Control>"},
                                             {Qt::AltModifier, "<Alt>"},
                                             {Qt::ShiftModifier, "<Shift>"}}) {
            if (k.keyboardModifiers() & modifier)
                text += QLatin1String(name);
        }
        const QString key = QKeySequence(k.key()).toString(QKeySequence::PortableText);
        return text + (key.size() == 1 ? key.toLower() : key);
    }

    QPointer<QAction> m_action;
    QPointer<QMenu> m_menu;
};

// A read-only text view as a document: the text, the cursor and the
// selection are the view's own (Tab moves the selection from link to link).
class Document : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Document(QTextEdit *view) : QAccessibleWidget(view, QAccessible::Document) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = s.multiLine = s.selectableText = true;
        return s;
    }

    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = view()->textCursor();
        *start = index == 0 && cursor.hasSelection() ? cursor.selectionStart() : 0;
        *end = index == 0 && cursor.hasSelection() ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(position);
        view()->setTextCursor(cursor);
    }
    // The widget's name and description, and the text between two offsets.
    using QAccessibleWidget::text;
    QString text(int start, int end) const override { return view()->toPlainText().mid(start, end - start); }
    int characterCount() const override { return view()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(view()->document());
        cursor.setPosition(qBound(0, offset, characterCount()));
        const QRect r = view()->cursorRect(cursor);
        return QRect(view()->viewport()->mapToGlobal(r.topLeft()), r.size() + QSize(r.height() / 2, 0));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return view()->cursorForPosition(view()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override
    {
        QTextCursor cursor(view()->document());
        cursor.setPosition(qBound(0, start, characterCount()));
        view()->setTextCursor(cursor);
        view()->ensureCursorVisible();
    }
    // A line is a line as the view lays it out.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        const QTextBlock block = view()->document()->findBlock(qBound(0, offset, characterCount()));
        const QTextLine line = block.layout()->lineForTextPosition(offset - block.position());
        // The last line of a paragraph ends with its line break, as a reader expects.
        const bool last = !line.isValid() || line.lineNumber() == block.layout()->lineCount() - 1;
        *start = block.position() + (line.isValid() ? line.textStart() : 0);
        *end = last ? qMin(block.position() + block.length(), characterCount()) : *start + line.textLength();
        return text(*start, *end);
    }
    // One run of the same (no) attributes over the whole text.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QTextEdit *view() const { return static_cast<QTextEdit *>(widget()); }
};

QAccessibleInterface *readerInterface(const QString &className, QObject *object)
{
    if (auto *action = qobject_cast<QAction *>(object); action && !action->shortcut().isEmpty()) {
        for (QObject *shown : action->associatedObjects()) {
            if (auto *menu = qobject_cast<QMenu *>(shown))
                return new ShortcutMenuEntry(action, menu);
        }
    }
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(kCaption).isValid())
        return new CaptionedLabel(label);
    if (object->property(kHidden).toBool())
        return new Hidden(static_cast<QWidget *>(object));
    if (auto *view = qobject_cast<QTextEdit *>(object); view && view->property(kDocument).toBool())
        return new Document(view);
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
            t.control->setProperty(kCaption, t.name);
        else
            t.control->setAccessibleName(t.name);
        if (t.shortcutOf)
            t.control->setAccessibleDescription(t.shortcutOf->shortcut().toString(QKeySequence::NativeText));
    }
}

void exposeAsDocument(QTextEdit *view)
{
    installReaderInterfaces();
    view->setProperty(kDocument, true);
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

QString spokenMixedNumber(const QString &whole, const QString &numerator, const QString &denominator)
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
