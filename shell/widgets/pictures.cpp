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

// Renders a drawing into a square pixmap of `pixels` device-independent
// pixels, at the screen's pixel ratio so that it stays sharp when scaled.
QPixmap render(const QString &file, int pixels)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const int side = qRound(pixels * ratio);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
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
    return iconOf(QStringLiteral(":/pictures/zarnith-icon.svg"), {16, 24, 32, 48});
}

QCursor handPointer()
{
    return QCursor(render(QStringLiteral(":/pictures/hand-pointer.svg"), 32), 12, 1);
}

} // namespace zarnith
