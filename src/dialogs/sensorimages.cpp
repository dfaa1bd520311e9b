#include "sensorimages.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int ImageSize = 16;

struct BallColors
{
    const char *key;
    QRgb light;    // the highlight, up and to the left
    QRgb body;
    QRgb shadow;   // the rim, down and to the right
};

const BallColors balls[] = {
    {"Warning", qRgb(255, 255, 210), qRgb(240, 200, 0), qRgb(140, 100, 0)},
    {"NoEvaluate", qRgb(210, 230, 255), qRgb(30, 90, 220), qRgb(0, 20, 100)},
    {"Good", qRgb(215, 255, 210), qRgb(30, 170, 40), qRgb(0, 80, 10)},
    {"Danger", qRgb(255, 215, 210), qRgb(215, 20, 20), qRgb(100, 0, 0)},
    {"NoComparable", qRgb(225, 225, 225), qRgb(95, 95, 95), qRgb(0, 0, 0)},
};

} // namespace

QStringList sensorImageKeys()
{
    QStringList keys;
    for (const BallColors &ball : balls)
        keys << QLatin1String(ball.key);
    return keys;
}

QPixmap sensorImage(const QString &key, qreal devicePixelRatio)
{
    for (const BallColors &ball : balls) {
        if (key != QLatin1String(ball.key))
            continue;
        const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
        QPixmap picture(QSize(ImageSize, ImageSize) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::white);

        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area(1.5, 1.5, ImageSize - 3, ImageSize - 3);
        QRadialGradient shade(area.center(), area.width() / 2, area.center() - QPointF(2.5, 2.5));
        shade.setColorAt(0.0, QColor(ball.light));
        shade.setColorAt(0.55, QColor(ball.body));
        shade.setColorAt(1.0, QColor(ball.shadow));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(area);
        return picture;
    }
    return QPixmap();
}
