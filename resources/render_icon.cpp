// Build tool: renders one of the program's drawings to a PNG of a given
// size, for the icon theme of an installed Zarnith.
// Usage: render_icon <drawing.svg> <out.png> <pixels>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon <drawing.svg> <out.png> <pixels>\n");
        return 2;
    }
    const int pixels = QString::fromLocal8Bit(argv[3]).toInt();
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid() || pixels <= 0)
        return 1;
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
