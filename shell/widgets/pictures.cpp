#include "pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace zarnith {

namespace {

QString pictureFile(Picture picture)
{
    switch (picture) {
    case Picture::Plus:
        return QStringLiteral(":/pictures/op-plus.svg");
    case Picture::Minus:
        return QStringLiteral(":/pictures/op-minus.svg");
    case Picture::Times:
        return QStringLiteral(":/pictures/op-times.svg");
    case Picture::Divide:
        return QStringLiteral(":/pictures/op-divide.svg");
    case Picture::Equals:
        break;
    }
    return QStringLiteral(":/pictures/op-equals.svg");
}

const QString kIconFile = QStringLiteral(":/pictures/zarnith-icon.svg");

// Renders a drawing into a pixmap of the given device-independent size, at
// the screen's pixel ratio so that it stays sharp when scaled.
QPixmap render(const QString &file, QSize size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap render(const QString &file, int pixels)
{
    return render(file, QSize(pixels, pixels));
}

QIcon iconOf(const QString &file, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int pixels : sizes)
        icon.addPixmap(render(file, pixels));
    return icon;
}

} // namespace

QPixmap picturePixmap(Picture picture, int pixels)
{
    return render(pictureFile(picture), pixels);
}

QIcon pictureIcon(Picture picture)
{
    return iconOf(pictureFile(picture), {16, 32});
}

QIcon programIcon()
{
    return iconOf(kIconFile, {16, 24, 32, 48});
}

QPixmap programIconPixmap(QSize size)
{
    return render(kIconFile, size);
}

QPixmap aboutPicture(QSize size)
{
    return render(QStringLiteral(":/pictures/about-picture.svg"), size);
}

QCursor handPointer()
{
    return QCursor(render(QStringLiteral(":/pictures/hand-pointer.svg"), 32), 12, 1);
}

} // namespace zarnith
