#include "library/ui/lightart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace parkwen {

namespace {

constexpr int kSize = 50;

QImage drawLamp(bool lit)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSize / 2.0, kSize / 2.0);

    // The glow a lit lamp throws around its bezel.
    if (lit) {
        QRadialGradient glow(centre, kSize / 2.0);
        glow.setColorAt(0.55, QColor(255, 120, 30, 200));
        glow.setColorAt(0.80, QColor(255, 80, 0, 90));
        glow.setColorAt(1.00, QColor(255, 50, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, kSize / 2.0, kSize / 2.0);
    }

    // Metal bezel: a light top edge and a dark bottom edge make it stand out of the panel.
    const qreal bezel = 19.5;
    QLinearGradient metal(0, centre.y() - bezel, 0, centre.y() + bezel);
    metal.setColorAt(0.0, QColor(225, 228, 232));
    metal.setColorAt(0.5, QColor(128, 132, 138));
    metal.setColorAt(1.0, QColor(52, 54, 58));
    p.setPen(QPen(QColor(30, 30, 32), 1.0));
    p.setBrush(metal);
    p.drawEllipse(centre, bezel, bezel);

    // The recessed ring between bezel and glass.
    const qreal ring = 16.0;
    QLinearGradient groove(0, centre.y() - ring, 0, centre.y() + ring);
    groove.setColorAt(0.0, QColor(40, 40, 44));
    groove.setColorAt(1.0, QColor(170, 172, 178));
    p.setPen(Qt::NoPen);
    p.setBrush(groove);
    p.drawEllipse(centre, ring, ring);

    // The glass dome, lit from inside or dim.
    const qreal glass = 14.5;
    QRadialGradient dome(centre + QPointF(0, 2.5), glass * 1.15, centre + QPointF(-1.5, 1.5));
    if (lit) {
        dome.setColorAt(0.00, QColor(255, 246, 200));
        dome.setColorAt(0.22, QColor(255, 196, 70));
        dome.setColorAt(0.55, QColor(255, 96, 16));
        dome.setColorAt(0.85, QColor(214, 36, 8));
        dome.setColorAt(1.00, QColor(150, 18, 6));
    } else {
        dome.setColorAt(0.00, QColor(120, 34, 24));
        dome.setColorAt(0.45, QColor(86, 20, 14));
        dome.setColorAt(0.85, QColor(48, 10, 8));
        dome.setColorAt(1.00, QColor(26, 6, 5));
    }
    p.setBrush(dome);
    p.setPen(QPen(QColor(20, 6, 4, 200), 0.8));
    p.drawEllipse(centre, glass, glass);

    // Fresnel rings pressed into the glass.
    p.setBrush(Qt::NoBrush);
    for (qreal r : {5.0, 8.5, 12.0}) {
        p.setPen(QPen(lit ? QColor(255, 235, 180, 70) : QColor(150, 60, 45, 55), 0.8));
        p.drawEllipse(centre, r, r);
    }

    // Reflections on the glass: a soft crescent at the top and a small bright spot.
    QPainterPath crescent;
    crescent.addEllipse(QRectF(centre.x() - 11.5, centre.y() - 13.0, 23.0, 15.0));
    QPainterPath cut;
    cut.addEllipse(QRectF(centre.x() - 13.5, centre.y() - 8.5, 27.0, 17.0));
    crescent = crescent.subtracted(cut);
    QLinearGradient shine(0, centre.y() - 13.0, 0, centre.y() - 4.0);
    shine.setColorAt(0.0, QColor(255, 255, 255, lit ? 200 : 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(crescent);

    QRadialGradient spot(centre + QPointF(-5.5, -6.0), 3.5);
    spot.setColorAt(0.0, QColor(255, 255, 255, lit ? 240 : 170));
    spot.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(spot);
    p.drawEllipse(centre + QPointF(-5.5, -6.0), 3.5, 3.5);

    p.end();
    return image;
}

} // namespace

QImage restingLightPicture()
{
    static const QImage picture = drawLamp(false);
    return picture;
}

QImage litLightPicture()
{
    static const QImage picture = drawLamp(true);
    return picture;
}

} // namespace parkwen
