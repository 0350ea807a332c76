#include "titlebar.h"

#include "design.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace zarnith {

namespace {
bool g_wanted = false;
} // namespace

void TitleBar::setWanted(bool wanted)
{
    g_wanted = wanted;
}

void TitleBar::addTo(QWidget *window)
{
    if (g_wanted)
        new TitleBar(window);
}

TitleBar::TitleBar(QWidget *window) : QWidget(window), m_window(window)
{
    setObjectName("titleBar");
    using namespace design;
    const int height = fontMetrics().height() + kTitleBarPadding;
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(kTitleBarEndMargin, kTitleBarEdgeMargin, kTitleBarEndMargin, kTitleBarEdgeMargin);
    row->setSpacing(kTitleBarEdgeMargin);
    row->addStretch();
    if (window->windowFlags() & Qt::WindowMinimizeButtonHint)
        connect(addBox(QStyle::SP_TitleBarMinButton, "cmdMinimise", tr("Minimise")), &QToolButton::clicked, window,
                &QWidget::showMinimized);
    connect(addBox(QStyle::SP_TitleBarCloseButton, "cmdClose", tr("Close")), &QToolButton::clicked, window,
            &QWidget::close);

    // Room above the window's contents: a window with a layout is given it
    // as a margin; in one whose controls stand at fixed places, each moves
    // down and the window grows.
    if (window->layout()) {
        window->setContentsMargins(0, height, 0, 0);
    } else {
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child != this)
                child->move(child->x(), child->y() + height);
        }
        window->setFixedSize(window->width(), window->height() + height);
    }
    setGeometry(0, 0, window->width(), height);
    window->installEventFilter(this);
}

QToolButton *TitleBar::addBox(QStyle::StandardPixmap picture, const char *name, const QString &caption)
{
    auto *box = new QToolButton(this);
    box->setObjectName(name);
    box->setIcon(style()->standardIcon(picture, nullptr, this));
    box->setAutoRaise(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setToolTip(caption);
    box->setAccessibleName(caption);
    layout()->addWidget(box);
    return box;
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Resize)
            resize(m_window->width(), height());
        else if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ActivationChange)
            update();
    }
    return QWidget::eventFilter(watched, event);
}

// The compositor moves the window while the button is held.
void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_window->windowHandle())
        m_window->windowHandle()->startSystemMove();
}

// The window's icon at the left, its caption in the middle, in the
// palette's colours: stronger while the window is active.
void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool active = m_window->isActiveWindow();
    painter.fillRect(rect(), palette().color(active ? QPalette::Highlight : QPalette::Button));
    painter.fillRect(0, height() - 1, width(), 1, palette().color(QPalette::Mid));
    const int icon = fontMetrics().height();
    m_window->windowIcon().paint(&painter, QRect(design::kTitleBarIconLeft, (height() - icon) / 2, icon, icon));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(active ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, m_window->windowTitle());
}

} // namespace zarnith
