#pragma once

#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include <optional>

namespace zarnith {

// The program's pictures, rendered from their drawings at the size wanted.
// The operator pictures draw their symbol in the colour given (`ink`) over a
// grey shadow; the other drawings keep their fixed colours.
enum class Picture { Plus, Minus, Times, Divide, Equals };

QPixmap picturePixmap(Picture picture, const QColor &ink = Qt::black, int pixels = 32);
// 16 and 32 pixels, the symbol in the application palette's button-text
// colour at the time the button is painted.
QIcon pictureIcon(Picture picture);
QIcon programIcon(); // 16, 24, 32 and 48 pixels
QPixmap programIconPixmap(QSize size);
QPixmap aboutPicture(QSize size); // drawn 157 by 120
QCursor handPointer();            // 32 by 32, hot spot at the finger tip (12, 1)

// A picture control: shows one of the operator pictures (or none), its
// symbol in the palette's window-text colour, drawn again when the palette
// changes (a desktop switched between light and dark while the program runs).
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setPicture(std::optional<Picture> picture);
    std::optional<Picture> picture() const { return m_picture; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void draw();

    std::optional<Picture> m_picture;
};

} // namespace zarnith
