#include "windowplacement.h"

#include "placement.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <functional>

namespace zarnith {

namespace {

// The top edge of the frame in twips, from the frame's outer height in twips.
using TopRule = std::function<float(float outerHeight)>;

void placeByFrame(QWidget *window, const TopRule &top)
{
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    const float left = centredLeft(pixelsToTwips(screen.width()), pixelsToTwips(frame.width()));
    // move() positions a top-level window by its frame.
    window->move(screen.left() + twipsToPixels(left), screen.top() + twipsToPixels(top(pixelsToTwips(frame.height()))));
}

void centreOver(QWidget *window, const QWidget *other);

// Applies the placement again once the frame's real size is known.
class PlaceWhenFrameKnown : public QObject {
public:
    PlaceWhenFrameKnown(QWidget *window, std::function<void()> placement)
        : QObject(window), m_window(window), m_placement(std::move(placement)),
          m_placedBy(window->frameGeometry().size())
    {
        setObjectName(QStringLiteral("placeWhenFrameKnown"));
        window->installEventFilter(this);
    }
    // The window placed again by another rule.
    void replace(std::function<void()> placement)
    {
        m_placement = std::move(placement);
        m_placedBy = m_window->frameGeometry().size();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && (event->type() == QEvent::Move || event->type() == QEvent::Show)) {
            const QSize frame = m_window->frameGeometry().size();
            if (frame != m_placedBy) {
                m_placedBy = frame;
                m_placement();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    std::function<void()> m_placement;
    QSize m_placedBy;
};

void place(QWidget *window, const TopRule &top)
{
    window->adjustSize();
    placeByFrame(window, top);
    new PlaceWhenFrameKnown(window, [window, top] { placeByFrame(window, top); });
}

} // namespace

void bringForward(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void placeOver(QWidget *window, const QWidget *other)
{
    const QPointer<const QWidget> over(other);
    const auto placement = [window, over] {
        if (over)
            centreOver(window, over);
    };
    // Found by its name: the class has no meta-object of its own to find it by.
    if (QObject *known =
            window->findChild<QObject *>(QStringLiteral("placeWhenFrameKnown"), Qt::FindDirectChildrenOnly))
        static_cast<PlaceWhenFrameKnown *>(known)->replace(placement);
    else
        new PlaceWhenFrameKnown(window, placement);
    centreOver(window, other);
}

namespace {

void centreOver(QWidget *window, const QWidget *other)
{
    const QRect screen = other->screen()->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(other->frameGeometry().center());
    frame.moveLeft(qBound(screen.left(), frame.left(), qMax(screen.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(qBound(screen.top(), frame.top(), qMax(screen.top(), screen.bottom() - frame.height() + 1)));
    window->move(frame.topLeft());
}

} // namespace

void placeAboutBox(QWidget *window)
{
    // Centred down the screen by the same rule as across it.
    const float screenHeight = pixelsToTwips(window->screen()->geometry().height());
    place(window, [screenHeight](float outerHeight) { return centredLeft(screenHeight, outerHeight); });
}

void placeCalculatorWindow(QWidget *window)
{
    const float screenHeight = pixelsToTwips(window->screen()->geometry().height());
    place(window, [screenHeight](float outerHeight) { return calculatorTop(screenHeight, outerHeight); });
}

void placeDecimalsWindow(QWidget *window, const QWidget *calculator)
{
    const QPointer<const QWidget> above(calculator);
    place(window, [above, screenTop = window->screen()->geometry().top()](float outerHeight) {
        const int calculatorTop = above ? above->frameGeometry().top() - screenTop : 0;
        return pixelsToTwips(calculatorTop) - outerHeight;
    });
}

} // namespace zarnith
