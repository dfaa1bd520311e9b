// rendericon SVG SIZE PNG: draws the SVG picture into a SIZE x SIZE PNG with
// a transparent background, for the icon theme's fixed-size folders.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    const int size = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (size <= 0) {
        QTextStream(stderr) << "usage: rendericon SVG SIZE PNG\n";
        return 64;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        QTextStream(stderr) << "rendericon: cannot read " << argv[1] << '\n';
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        QTextStream(stderr) << "rendericon: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
