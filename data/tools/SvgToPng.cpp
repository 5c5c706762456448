// Draws a scalable icon as a square PNG of one edge, for the icon theme's
// fixed sizes: svg-to-png SVG EDGE PNG.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "Usage: svg-to-png SVG EDGE PNG\n";
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    bool isNumber = false;
    const int edge = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    const QString pngPath = QString::fromLocal8Bit(argv[3]);
    if (!isNumber || edge < 1 || edge > 1024) {
        std::cerr << "svg-to-png: the edge must be a number of pixels from 1 to 1024\n";
        return 2;
    }
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::cerr << "svg-to-png: cannot read " << argv[1] << "\n";
        return 1;
    }
    QImage picture(edge, edge, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!picture.save(pngPath, "PNG")) {
        std::cerr << "svg-to-png: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
