#include "pictures.h"

#include <QFile>
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

// The operator drawings paint their symbol black; drawn in another ink,
// that black is replaced by the ink. Each drawing is read once; its
// renderer for each ink lives for the run.
QSvgRenderer &drawing(const QString &file, const QColor &ink)
{
    static QHash<QString, QByteArray> sources;
    static QHash<QString, std::shared_ptr<QSvgRenderer>> drawings;
    std::shared_ptr<QSvgRenderer> &renderer = drawings[file + ink.name()];
    if (!renderer) {
        QByteArray &source = sources[file];
        if (source.isEmpty()) {
            QFile in(file);
            in.open(QIODevice::ReadOnly);
            source = in.readAll();
        }
        renderer = std::make_shared<QSvgRenderer>(
            QByteArray(source).replace("#000000", ink.name().toLatin1()));
    }
    return *renderer;
}

// A drawing rendered at `pixels` device pixels for a screen of the given
// pixel ratio, once per size and ink: the windows share the pixmaps.
QPixmap renderPixels(const QString &file, QSize pixels, const QColor &ink = Qt::black, qreal ratio = 1.0)
{
    static QHash<QString, QPixmap> rendered;
    const QString key = QStringLiteral("%1@%2x%3/%4%5")
                            .arg(file).arg(pixels.width()).arg(pixels.height()).arg(ratio).arg(ink.name());
    if (const auto it = rendered.constFind(key); it != rendered.cend())
        return *it;
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawing(file, ink).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    rendered.insert(key, pixmap);
    return pixmap;
}

// A drawing at a device-independent size, at the screen's pixel ratio so
// that it stays sharp when scaled.
QPixmap render(const QString &file, QSize size, const QColor &ink = Qt::black)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return renderPixels(file, size * ratio, ink, ratio);
}

// An icon drawn from its drawing when a size of it is first wanted, so
// that sizes nobody shows cost nothing at start-up. With `buttonInk` the
// symbol takes the button-text colour of the palette in force.
class DrawingIconEngine : public QIconEngine {
public:
    DrawingIconEngine(QString file, QList<QSize> sizes, bool buttonInk)
        : m_file(std::move(file)), m_sizes(std::move(sizes)), m_buttonInk(buttonInk) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        drawing(m_file, ink()).render(painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return renderPixels(m_file, size, ink());
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }
    QIconEngine *clone() const override { return new DrawingIconEngine(m_file, m_sizes, m_buttonInk); }
    QString key() const override { return QStringLiteral("zarnith-drawing"); }

private:
    QColor ink() const
    {
        return m_buttonInk ? QGuiApplication::palette().color(QPalette::ButtonText) : QColor(Qt::black);
    }

    QString m_file;
    QList<QSize> m_sizes;
    bool m_buttonInk;
};

QIcon iconOf(const QString &file, std::initializer_list<int> sizes, bool buttonInk = false)
{
    QList<QSize> list;
    for (int pixels : sizes)
        list << QSize(pixels, pixels);
    return QIcon(new DrawingIconEngine(file, list, buttonInk));
}

} // namespace

QPixmap picturePixmap(Picture picture, const QColor &ink, int pixels)
{
    return render(pictureFile(picture), QSize(pixels, pixels), ink);
}

QIcon pictureIcon(Picture picture)
{
    return iconOf(pictureFile(picture), {16, 32}, true);
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

void PictureLabel::setPicture(std::optional<Picture> picture)
{
    m_picture = picture;
    draw();
}

void PictureLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        draw();
}

void PictureLabel::draw()
{
    setPixmap(m_picture ? picturePixmap(*m_picture, palette().color(QPalette::WindowText)) : QPixmap());
}

} // namespace zarnith
