#include "formbuilder.h"

#include "boxedit.h"
#include "design.h"
#include "field.h"
#include "formkit.h"
#include "linewidget.h"
#include "pictures.h"
#include "placement.h"
#include "wrappingbutton.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <qdrawutil.h>

namespace zarnith {

namespace {

// A frame drawn as the windows were laid out for, the same in every style:
// an etched border whose top edge runs through the middle of the caption,
// so that the controls placed in twips lie inside it. (Some styles draw
// the border below the caption, or no border at all.)
class EtchedFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QRect border = rect();
        QRect caption;
        if (!title().isEmpty()) {
            const int height = fontMetrics().height();
            caption = QRect(8, 0, fontMetrics().horizontalAdvance(title()) + 4, height);
            border.setTop(height / 2);
            painter.setClipRegion(QRegion(rect()).subtracted(caption));
        }
        qDrawShadeRect(&painter, border, palette(), true);
        painter.setClipping(false);
        style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                              QPalette::WindowText);
    }
};

} // namespace

QWidget *setUpFixedWindow(QMainWindow *window, const char *name, const QString &caption, int clientWidth,
                          int clientHeight)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowIcon(programIcon());
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setFont(dialogFont(design::kDialogPoints));

    auto *client = new QWidget(window);
    client->setObjectName("client");
    client->setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    window->setCentralWidget(client);
    // Fixed size: the client area plus the menu bar, no resizing.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

QGroupBox *addFrame(QWidget *parent, const char *name, TwipsRect r, const QString &caption)
{
    auto *frame = new EtchedFrame(caption, parent);
    frame->setObjectName(name);
    setTwipsGeometry(frame, r.left, r.top, r.width, r.height);
    return frame;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, TwipsRect r, bool wrap)
{
    QPushButton *button = wrap ? new WrappingButton(caption, parent) : new QPushButton(caption, parent);
    button->setObjectName(name);
    setTwipsGeometry(button, r.left, r.top, r.width, r.height);
    button->setAutoDefault(false);
    return button;
}

BoxEdit *addBox(QWidget *parent, const char *name, TwipsRect r, const QFont &font, int inputLimit,
                Qt::Alignment alignment)
{
    auto *box = new BoxEdit(parent);
    box->setObjectName(name);
    setTwipsGeometry(box, r.left, r.top, r.width, r.height);
    box->setDesignFont(font);
    box->setAlignment(alignment);
    box->setInputLimit(inputLimit);
    return box;
}

QLabel *addLabel(QWidget *parent, const char *name, TwipsRect r, const QString &caption)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    setTwipsGeometry(label, r.left, r.top, r.width, r.height);
    if (!caption.isEmpty()) {
        label->setText(caption);
        label->adjustSize();
    }
    return label;
}

QLabel *addField(QWidget *parent, const char *name, TwipsRect r)
{
    auto *field = new FieldLabel(parent);
    field->setObjectName(name);
    setTwipsGeometry(field, r.left, r.top, r.width, r.height);
    return field;
}

LineWidget *addLine(QWidget *parent, const char *name, int x1, int y, int x2, int thickness,
                    LineWidget::Thickness drawn)
{
    auto *line = new LineWidget(parent, x1, y, x2, thickness, drawn);
    line->setObjectName(name);
    return line;
}

QMenu *addMenu(QMainWindow *window, const char *name, const QString &caption)
{
    QMenu *menu = window->menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction *addEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void setFocusOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace zarnith
