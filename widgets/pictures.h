#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace zarnith {

// The program's pictures, rendered from their drawings at the size wanted.
enum class Picture { Plus, Minus, Times, Divide, Equals };

QPixmap picturePixmap(Picture picture, int pixels = 32);
QIcon pictureIcon(Picture picture);   // 16 and 32 pixels
QIcon programIcon();                  // 16, 24, 32 and 48 pixels
QPixmap programIconPixmap(QSize size);
QPixmap aboutPicture(QSize size);     // drawn 157 by 120
QCursor handPointer();                // 32 by 32, hot spot at the finger tip (12, 1)

} // namespace zarnith
