// The masked small pictures: the two flags of the tab strip and the globe of the web
// button. Each is drawn on the mask colour; edge pixels are blended with a light grey
// first, so they sit well on any light button face once the mask colour is gone.
#include "tools/artwork/Art.h"
#include "tools/artwork/Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace artwork {

namespace {

constexpr int kSupersample = 8;

void paintUnionFlag(QPainter& p, QRectF r)
{
    p.fillRect(r, QColor(1, 33, 105));
    const QPointF a = r.topLeft(), b = r.bottomRight(), c = r.topRight(), d = r.bottomLeft();
    const double unit = r.height() / 30.0;
    p.setPen(QPen(Qt::white, 6 * unit));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.setPen(QPen(QColor(200, 16, 46), 2.5 * unit));
    p.drawLine(a, b);
    p.drawLine(c, d);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(r.center().x() - 5 * unit, r.top(), 10 * unit, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), r.center().y() - 5 * unit, r.width(), 10 * unit), Qt::white);
    p.fillRect(QRectF(r.center().x() - 3 * unit, r.top(), 6 * unit, r.height()),
               QColor(200, 16, 46));
    p.fillRect(QRectF(r.left(), r.center().y() - 3 * unit, r.width(), 6 * unit),
               QColor(200, 16, 46));
}

void paintGermanFlag(QPainter& p, QRectF r)
{
    const double third = r.height() / 3;
    p.fillRect(QRectF(r.left(), r.top(), r.width(), third), QColor(20, 20, 20));
    p.fillRect(QRectF(r.left(), r.top() + third, r.width(), third), QColor(221, 0, 0));
    p.fillRect(QRectF(r.left(), r.top() + 2 * third, r.width(), third), QColor(255, 206, 0));
}

// The flag is drawn large and reduced, so its thin stripes come out as soft pixels.
QImage flagCloth(Flag flag, QSize size, int scale)
{
    QImage large(size * kSupersample * scale, QImage::Format_RGB32);
    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(large.size()));
    flag == Flag::English ? paintUnionFlag(p, area) : paintGermanFlag(p, area);
    QLinearGradient light(0, 0, 0, area.height());
    light.setColorAt(0, QColor(255, 255, 255, 90));
    light.setColorAt(0.45, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillRect(area, light);
    p.end();
    QImage cloth = large.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cloth.setDevicePixelRatio(scale);
    return cloth;
}

} // namespace

QImage tabIcon(Flag flag, int scale)
{
    QImage image(QSize(16, 16) * scale, QImage::Format_RGB32);
    image.fill(kMaskColor);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    // A soft shadow one pixel right and down, then the frame and the cloth.
    p.fillRect(QRect(2, 4, 14, 11), QColor(150, 150, 150));
    p.fillRect(QRect(1, 3, 14, 11), QColor(60, 60, 60));
    p.drawImage(QPoint(2, 4), flagCloth(flag, QSize(12, 9), scale));
    return image;
}

QImage webGlyph(int scale)
{
    constexpr QRgb kEdgeGrey = 0xffd8d8d8;
    const QSize size = QSize(24, 25) * scale;
    QImage large(size * kSupersample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSupersample * scale, kSupersample * scale);
    const QPointF centre(11, 11.5);
    const double radius = 10;
    QRadialGradient sea(centre - QPointF(4, 4), 15);
    sea.setColorAt(0, QColor(140, 200, 255));
    sea.setColorAt(0.6, QColor(30, 110, 210));
    sea.setColorAt(1, QColor(10, 50, 130));
    p.setPen(QPen(QColor(10, 40, 100), 0.8));
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);
    QPainterPath sphere;
    sphere.addEllipse(centre, radius - 0.4, radius - 0.4);
    p.setClipPath(sphere);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 170, 70));
    p.drawPolygon(
        QPolygonF({{4, 5}, {9, 3}, {13, 5}, {11, 9}, {12, 13}, {8, 17}, {6, 12}, {3, 10}}));
    p.drawPolygon(QPolygonF({{14, 8}, {19, 6}, {21, 11}, {18, 15}, {15, 13}}));
    p.drawPolygon(QPolygonF({{12, 17}, {17, 16}, {16, 21}, {13, 21}}));
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.45, radius);
    p.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    p.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    p.drawLine(QPointF(2.6, 6.5), QPointF(19.4, 6.5));
    p.drawLine(QPointF(2.6, 16.5), QPointF(19.4, 16.5));
    QRadialGradient shine(centre - QPointF(4, 5), 6);
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre - QPointF(4, 5), 6, 6);
    p.setClipping(false);
    // The pointer that says "click here", at the globe's lower right.
    const QPolygonF arrow(
        {{14, 12}, {14, 24}, {16.8, 21.3}, {18.8, 24.5}, {20.6, 23.7}, {18.7, 20.5}, {22.5, 20.3}});
    p.setPen(QPen(Qt::black, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    p.end();
    const QImage small = large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(size, QImage::Format_RGB32);
    image.fill(kMaskColor);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QColor c = QColor::fromRgba(small.pixel(x, y));
            if (c.alpha() < 48)
                continue;
            image.setPixelColor(x, y, mix(QColor::fromRgb(kEdgeGrey), QColor(c.rgb()), c.alphaF()));
        }
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace artwork
