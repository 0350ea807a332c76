#pragma once

#include <QStyle>
#include <QWidget>

class QToolButton;

namespace zarnith {

// A window's own title bar, for a desktop whose compositor draws none and
// where Qt's would offer a maximise box whatever the window allows (Qt's
// title bar on Wayland): the window's icon and caption, a minimise box
// where the window offers one, and a close box; never a maximise box.
// Dragging it moves the window. It stands above everything else in the
// window, which grows by its height.
class TitleBar : public QWidget {
    Q_OBJECT
public:
    // Whether the windows draw their own title bars (the platform decides,
    // before the first window is made).
    static void setWanted(bool wanted);
    // Gives `window` its own title bar where they are wanted.
    static void addTo(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    explicit TitleBar(QWidget *window);
    QToolButton *addBox(QStyle::StandardPixmap picture, const char *name, const QString &caption);

    QWidget *m_window;
};

} // namespace zarnith
