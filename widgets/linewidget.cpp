#include "linewidget.h"

#include "placement.h"

#include <QPainter>

#include <cmath>

namespace zarnith {

LineWidget::LineWidget(QWidget *parent, float x1, float y, float x2, int thickness, Thickness drawn)
    : QWidget(parent), m_x1(x1), m_y(y), m_x2(x2), m_thickness(thickness), m_drawn(drawn)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineWidget::setX2(float twips)
{
    m_x2 = twips;
    place();
}

void LineWidget::place()
{
    const int left = twipsToPixels(std::min(m_x1, m_x2));
    const int right = twipsToPixels(std::max(m_x1, m_x2));
    const int top = twipsToPixels(m_y) - (m_drawn == Thickness::Centred ? m_thickness / 2 : 0);
    setGeometry(left, top, std::max(1, right - left), m_thickness);
}

void LineWidget::setColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

// Scaled by a fractional factor, a line's edges fall inside device pixels,
// and lines of the same thickness would cover different numbers of them.
// So the thickness is cut to whole device pixels (the rows the widget
// surely covers), and the line starts at the device row nearest its top.
void LineWidget::paintEvent(QPaintEvent *)
{
    // In the active window's colours also while another window is active:
    // some themes grey the inactive window's text, and a fraction bar is
    // part of the number.
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    QColor color = palette().color(group, QPalette::WindowText);
    if (m_blackOnLight && palette().color(group, QPalette::Window).lightness() > color.lightness())
        color = Qt::black;
    const qreal ratio = devicePixelRatioF();
    const qreal top = mapTo(window(), QPoint()).y() * ratio;
    const qreal rows = std::max(1.0, std::floor(m_thickness * ratio + 1e-6));
    QPainter painter(this);
    painter.fillRect(QRectF(0, (std::round(top) - top) / ratio, width(), rows / ratio), color);
}

} // namespace zarnith
