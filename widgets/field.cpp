#include "field.h"

#include <QPainter>

#include <cmath>

namespace zarnith {

namespace {
// Below this a box hardly shows against its window (light themes give
// about 1.15 for white on their light grey).
constexpr double kLeastContrast = 1.1;
// The contrast a shade of the window's colour is taken for.
constexpr double kShadeContrast = 1.25;

double luminance(const QColor &color)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// The window's colour moved by `amount` (0 to 1) towards `end`.
QColor towards(const QColor &window, const QColor &end, double amount)
{
    const auto mix = [amount](double from, double to) { return from + (to - from) * amount; };
    return QColor::fromRgbF(mix(window.redF(), end.redF()), mix(window.greenF(), end.greenF()),
                            mix(window.blueF(), end.blueF()));
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor fieldBase(const QPalette &palette, QPalette::ColorGroup group)
{
    const QColor base = palette.color(group, QPalette::Base);
    const QColor window = palette.color(group, QPalette::Window);
    if (contrastRatio(base, window) >= kLeastContrast)
        return base;
    const bool lightText = luminance(palette.color(group, QPalette::Text)) > luminance(window);
    const QColor away = lightText ? QColor(Qt::black) : QColor(Qt::white);
    const QColor other = lightText ? QColor(Qt::white) : QColor(Qt::black);
    // Away from the text where that can reach the contrast (not from a white
    // window), else towards it.
    const QColor end = contrastRatio(away, window) >= kShadeContrast ? away : other;
    for (int step = 1; step <= 20; ++step) {
        const QColor shade = towards(window, end, step / 20.0);
        if (contrastRatio(shade, window) >= kShadeContrast)
            return shade;
    }
    return end;
}

FieldLabel::FieldLabel(QWidget *parent) : QLabel(parent)
{
    setForegroundRole(QPalette::Text);
}

void FieldLabel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), fieldBase(palette(), palette().currentColorGroup()));
    }
    QLabel::paintEvent(event);
}

} // namespace zarnith
