#include "pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

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

// Each drawing is read once; its renderer lives for the run.
QSvgRenderer &drawing(const QString &file)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> drawings;
    std::shared_ptr<QSvgRenderer> &renderer = drawings[file];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(file);
    return *renderer;
}

// A drawing rendered at `pixels` device pixels, once per size: the windows
// share the pixmaps.
QPixmap renderPixels(const QString &file, QSize pixels)
{
    static QHash<QString, QPixmap> rendered;
    const QString key = QStringLiteral("%1@%2x%3").arg(file).arg(pixels.width()).arg(pixels.height());
    if (const auto it = rendered.constFind(key); it != rendered.cend())
        return *it;
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawing(file).render(&painter);
    painter.end();
    rendered.insert(key, pixmap);
    return pixmap;
}

// A drawing at a device-independent size, at the screen's pixel ratio so
// that it stays sharp when scaled.
QPixmap render(const QString &file, QSize size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap = renderPixels(file, size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// An icon drawn from its drawing when a size of it is first wanted, so
// that sizes nobody shows cost nothing at start-up.
class DrawingIconEngine : public QIconEngine {
public:
    DrawingIconEngine(QString file, QList<QSize> sizes) : m_file(std::move(file)), m_sizes(std::move(sizes)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        drawing(m_file).render(painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return renderPixels(m_file, size);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }
    QIconEngine *clone() const override { return new DrawingIconEngine(m_file, m_sizes); }
    QString key() const override { return QStringLiteral("zarnith-drawing"); }

private:
    QString m_file;
    QList<QSize> m_sizes;
};

QIcon iconOf(const QString &file, std::initializer_list<int> sizes)
{
    QList<QSize> list;
    for (int pixels : sizes)
        list << QSize(pixels, pixels);
    return QIcon(new DrawingIconEngine(file, list));
}

} // namespace

QPixmap picturePixmap(Picture picture, int pixels)
{
    return render(pictureFile(picture), QSize(pixels, pixels));
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
    static const QCursor pointer(render(QStringLiteral(":/pictures/hand-pointer.svg"), QSize(32, 32)), 12, 1);
    return pointer;
}

} // namespace zarnith
