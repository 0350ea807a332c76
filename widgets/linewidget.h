#pragma once

#include <QWidget>

namespace zarnith {

// A horizontal line, in the window-text colour unless given another. Its
// ends are kept in twips; the widget covers exactly the line, so its
// geometry shows where the line runs (left edge = start, right edge = end).
// A thick line is centred on its y, or drawn inside its bounds: from y down.
class LineWidget : public QWidget {
    Q_OBJECT
public:
    enum class Thickness { Centred, Inside };

    LineWidget(QWidget *parent, float x1, float y, float x2, int thickness = 3, Thickness drawn = Thickness::Centred);

    void setColor(const QColor &color);
    // Black on a light palette; on a dark one, where black would not show,
    // the window-text colour.
    void setBlackOnLight() { m_blackOnLight = true; }

    float x1() const { return m_x1; }
    float x2() const { return m_x2; }
    void setX2(float twips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    float m_x1;
    float m_y;
    float m_x2;
    int m_thickness;
    Thickness m_drawn;
    bool m_blackOnLight = false;
};

} // namespace zarnith
