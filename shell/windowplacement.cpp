#include "windowplacement.h"

#include "placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace zarnith {

namespace {

void placeByFrame(QWidget *window)
{
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    const float left = centredLeft(pixelsToTwips(screen.width()), pixelsToTwips(frame.width()));
    const float top = calculatorTop(pixelsToTwips(screen.height()), pixelsToTwips(frame.height()));
    // move() positions a top-level window by its frame.
    window->move(screen.left() + twipsToPixels(left), screen.top() + twipsToPixels(top));
}

// Re-applies the placement once the frame's real size is known.
class PlaceWhenFrameKnown : public QObject {
public:
    explicit PlaceWhenFrameKnown(QWidget *window) : QObject(window), m_window(window)
    {
        m_placedBy = window->frameGeometry().size();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && (event->type() == QEvent::Move || event->type() == QEvent::Show)) {
            const QSize frame = m_window->frameGeometry().size();
            if (frame != m_placedBy) {
                m_placedBy = frame;
                placeByFrame(m_window);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    QSize m_placedBy;
};

} // namespace

void placeCalculatorWindow(QWidget *window)
{
    window->adjustSize();
    placeByFrame(window);
    new PlaceWhenFrameKnown(window);
}

} // namespace zarnith
