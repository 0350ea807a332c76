#include "pictures.h"

#include "design.h"

#include <QCache>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <optional>

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

// The drawings read, their renderers for each ink, the pixmaps rendered
// from them and the hand pointer: made when first wanted, shared by the
// windows, and dropped as the application ends (its post routines run
// before the window system goes). A desktop switched between light and dark
// many times meets many inks; only the most recent are kept.
class PictureCache {
public:
    static PictureCache &instance()
    {
        if (!s_instance) {
            s_instance = new PictureCache;
            qAddPostRoutine([] {
                delete s_instance;
                s_instance = nullptr;
            });
        }
        return *s_instance;
    }

    // The operator drawings paint their symbol black; drawn in another
    // ink, that black is replaced by the ink.
    QSvgRenderer &drawing(const QString &file, const QColor &ink)
    {
        const QString key = file + ink.name();
        if (QSvgRenderer *renderer = m_drawings.object(key))
            return *renderer;
        QByteArray &source = m_sources[file];
        if (source.isEmpty()) {
            QFile in(file);
            in.open(QIODevice::ReadOnly);
            source = in.readAll();
        }
        auto *renderer = new QSvgRenderer(QByteArray(source).replace("#000000", ink.name().toLatin1()));
        m_drawings.insert(key, renderer);
        return *renderer;
    }

    // A drawing rendered at `pixels` device pixels for a screen of the
    // given pixel ratio, once per size and ink.
    QPixmap rendered(const QString &file, QSize pixels, const QColor &ink, qreal ratio)
    {
        const QString key = QStringLiteral("%1@%2x%3/%4%5")
                                .arg(file)
                                .arg(pixels.width())
                                .arg(pixels.height())
                                .arg(ratio)
                                .arg(ink.name());
        if (const QPixmap *known = m_pixmaps.object(key))
            return *known;
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing(file, ink).render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(ratio);
        m_pixmaps.insert(key, new QPixmap(pixmap));
        return pixmap;
    }

    std::optional<QCursor> hand;

private:
    // Eight drawings in a few inks each; the pixmaps at the sizes shown.
    static constexpr int kMostDrawings = 64;
    static constexpr int kMostPixmaps = 256;
    static inline PictureCache *s_instance = nullptr;

    QHash<QString, QByteArray> m_sources;
    QCache<QString, QSvgRenderer> m_drawings{kMostDrawings};
    QCache<QString, QPixmap> m_pixmaps{kMostPixmaps};
};

QSvgRenderer &drawing(const QString &file, const QColor &ink)
{
    return PictureCache::instance().drawing(file, ink);
}

QPixmap renderPixels(const QString &file, QSize pixels, const QColor &ink = Qt::black, qreal ratio = 1.0)
{
    return PictureCache::instance().rendered(file, pixels, ink, ratio);
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
        : m_file(std::move(file)), m_sizes(std::move(sizes)), m_buttonInk(buttonInk)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        drawing(m_file, ink()).render(painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override { return renderPixels(m_file, size, ink()); }
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
    return iconOf(pictureFile(picture), {design::kSmallPicturePixels, design::kPicturePixels}, true);
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
    using namespace design;
    std::optional<QCursor> &hand = PictureCache::instance().hand;
    if (!hand) {
        hand.emplace(render(QStringLiteral(":/pictures/hand-pointer.svg"), QSize(kPicturePixels, kPicturePixels)),
                     kHandHotSpotX, kHandHotSpotY);
    }
    return *hand;
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
