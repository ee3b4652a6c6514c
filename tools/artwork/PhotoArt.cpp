// The About dialog's photograph: an open dictionary on a wooden desk under a reading
// lamp, a pencil and a cup beside it, a bookshelf out of focus behind. It is painted
// in layers as a camera would see them: the blurred background, the lit desk, soft
// shadows, the objects, then lens fall-off and grain.
#include "tools/artwork/Art.h"
#include "tools/artwork/Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <random>

namespace artwork {

namespace {

constexpr QSize kPhotoSize(306, 322);
constexpr double kDeskTop = 112;
const QPointF kLamp(118, 60); // where the light comes from, above and behind the book

// An image of `size` logical pixels for the given scale, to be painted in logical ones.
QImage scaledImage(QSize size, QImage::Format format, int scale)
{
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage bookshelf(int scale)
{
    const QSize size(kPhotoSize.width(), int(kDeskTop) + 12);
    QImage image = scaledImage(size, QImage::Format_RGB32, scale);
    QPainter p(&image);
    QLinearGradient wall(0, 0, 0, size.height());
    wall.setColorAt(0, QColor(40, 28, 22));
    wall.setColorAt(1, QColor(82, 58, 42));
    p.fillRect(QRect(QPoint(0, 0), size), wall);
    std::mt19937 random(306);
    std::uniform_int_distribution<int> width(7, 15), height(30, 46), tone(0, 5);
    const QColor spines[] = {{120, 30, 26}, {40, 66, 96},    {150, 110, 50},
                             {52, 86, 56},  {180, 160, 120}, {90, 40, 70}};
    for (int shelf = 0; shelf < 2; ++shelf) {
        const int base = 56 + shelf * 58;
        for (int x = -4; x < size.width();) {
            const int w = width(random), h = height(random);
            p.fillRect(QRect(x, base - h, w - 1, h), spines[tone(random)].darker(130));
            p.fillRect(QRect(x + 2, base - h + 6, w - 5, 2), QColor(210, 180, 110, 120));
            x += w;
        }
        p.fillRect(QRect(0, base, size.width(), 6), QColor(70, 44, 28));
    }
    // Small lights behind, which the lens turns into soft discs.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const QPointF at(20 + i * 34 + 10 * valueNoise(i, 1), 18 + 40 * valueNoise(i, 4));
        p.setBrush(QColor(255, 200, 130, 70 + 10 * (i % 3)));
        p.drawEllipse(at, 9, 9);
    }
    p.end();
    QImage soft = blurred(image, 7 * scale);
    soft.setDevicePixelRatio(scale);
    return soft;
}

// Computed for every device pixel, at its position in logical pixels.
void paintDesk(QImage& image, int scale)
{
    for (int row = int(kDeskTop) * scale; row < kPhotoSize.height() * scale; ++row) {
        const double y = double(row) / scale;
        // Rows further away are squeezed together, as on a plane seen at an angle.
        const double depth = (y - kDeskTop) / (kPhotoSize.height() - kDeskTop);
        const double along = 1.0 / (0.25 + depth);
        for (int column = 0; column < kPhotoSize.width() * scale; ++column) {
            const double x = double(column) / scale;
            const double u = (x - kPhotoSize.width() / 2.0) * (0.4 + depth) / 100.0;
            const double grain =
                std::sin(along * 9 + 6 * fractalNoise(u * 1.5, along * 2.0, 4)) * 0.5 + 0.5;
            const double fibre = fractalNoise(u * 30, along * 40, 2);
            const double light =
                std::clamp(1.15 - std::hypot(x - 160.0, (y - 210.0) * 1.3) / 230.0, 0.35, 1.1);
            const double shade = (0.78 + 0.16 * grain + 0.08 * fibre) * light;
            image.setPixelColor(column, row,
                                QColor(std::clamp(int(176 * shade), 0, 255),
                                       std::clamp(int(108 * shade), 0, 255),
                                       std::clamp(int(62 * shade), 0, 255)));
        }
    }
    QPainter p(&image);
    QLinearGradient edge(0, kDeskTop - 1, 0, kDeskTop + 6);
    edge.setColorAt(0, QColor(230, 170, 110));
    edge.setColorAt(0.3, QColor(120, 70, 38));
    edge.setColorAt(1, QColor(120, 70, 38, 0));
    p.fillRect(QRectF(0, kDeskTop - 1, kPhotoSize.width(), 7), edge);
}

// Soft shadows of the objects, away from the lamp.
void paintShadows(QImage& image, int scale)
{
    QImage shadow = scaledImage(kPhotoSize, QImage::Format_ARGB32_Premultiplied, scale);
    shadow.fill(Qt::transparent);
    QPainter p(&shadow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 8, 0, 170));
    p.drawPolygon(
        QPolygonF({{30, 178}, {160, 168}, {292, 182}, {300, 300}, {160, 312}, {14, 296}}));
    p.drawEllipse(QRectF(236, 120, 70, 32));
    p.setBrush(QColor(20, 8, 0, 140));
    p.drawPolygon(QPolygonF({{190, 316}, {300, 250}, {304, 256}, {196, 322}}));
    p.end();
    QImage soft = blurred(shadow, 12 * scale);
    soft.setDevicePixelRatio(scale);
    QPainter onto(&image);
    onto.drawImage(QPoint(4, 8), soft);
}

struct Page {
    QPointF corners[4]; // outer top, gutter top, gutter bottom, outer bottom
    double bow;
};

QPointF onPage(const Page& page, double u, double v)
{
    const double lift = page.bow * std::sin(M_PI * std::pow(u, 1.3)) * (1 - 0.35 * v);
    return bilinear(page.corners, u, v) - QPointF(0, lift);
}

QPainterPath pageOutline(const Page& page)
{
    QPainterPath path(onPage(page, 0, 0));
    for (int i = 1; i <= 32; ++i)
        path.lineTo(onPage(page, i / 32.0, 0));
    for (int i = 32; i >= 0; --i)
        path.lineTo(onPage(page, i / 32.0, 1));
    path.closeSubpath();
    return path;
}

// Two columns of entries: a dark headword, then lighter text, in rows that follow
// the curve of the paper.
void paintEntries(QPainter& p, const Page& page, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int column = 0; column < 2; ++column) {
        const double start = 0.1 + column * 0.44, end = start + 0.36;
        for (int row = 0; row < 24; ++row) {
            const double v = 0.09 + row * 0.036;
            const bool headword = unit(random) < 0.28 || row == 0;
            double u = start;
            if (headword) {
                const double w = 0.07 + 0.07 * unit(random);
                p.setPen(QPen(QColor(40, 26, 20, 220), 1.5));
                p.drawLine(onPage(page, u, v), onPage(page, u + w, v));
                u += w + 0.02;
            }
            const double stop = row % 7 == 6 ? start + 0.18 * unit(random) : end;
            p.setPen(QPen(QColor(80, 66, 56, 150), 0.9));
            while (u < stop) {
                const double w = std::min(stop - u, 0.03 + 0.06 * unit(random));
                p.drawLine(onPage(page, u, v), onPage(page, u + w, v));
                u += w + 0.015;
            }
        }
    }
}

void paintPage(QPainter& p, const Page& page, unsigned seed)
{
    const QPainterPath outline = pageOutline(page);
    QLinearGradient paper(onPage(page, 0, 0.5), onPage(page, 1, 0.5));
    paper.setColorAt(0, QColor(238, 226, 200));
    paper.setColorAt(0.55, QColor(250, 242, 222));
    paper.setColorAt(0.88, QColor(232, 216, 186));
    paper.setColorAt(1, QColor(150, 126, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    paintEntries(p, page, seed);
    p.restore();
}

void paintPhotoBook(QPainter& p)
{
    // The cover, a little larger than the pages, and the page edges along the front.
    QPainterPath cover;
    cover.moveTo(22, 182);
    cover.quadTo(160, 160, 292, 184);
    cover.lineTo(304, 296);
    cover.quadTo(160, 288, 8, 298);
    cover.closeSubpath();
    QLinearGradient leather(0, 180, 0, 300);
    leather.setColorAt(0, QColor(120, 20, 16));
    leather.setColorAt(1, QColor(70, 6, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPath(cover);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(214 - i * 10, 200 - i * 10, 170 - i * 10), 1));
        p.drawLine(QPointF(18, 291 - i * 1.3), QPointF(156, 283 - i * 1.3));
        p.drawLine(QPointF(160, 283 - i * 1.3), QPointF(298, 289 - i * 1.3));
    }
    const Page left{{{30, 186}, {158, 178}, {156, 284}, {16, 290}}, 14};
    const Page right{{{288, 188}, {160, 178}, {160, 284}, {298, 288}}, 14};
    paintPage(p, left, 11);
    paintPage(p, right, 12);
    QLinearGradient gutter(150, 0, 170, 0);
    gutter.setColorAt(0, QColor(60, 40, 20, 0));
    gutter.setColorAt(0.5, QColor(60, 40, 20, 120));
    gutter.setColorAt(1, QColor(60, 40, 20, 0));
    p.fillRect(QRectF(150, 176, 20, 110), gutter);
    p.setPen(QPen(QColor(50, 130, 70), 3));
    p.drawLine(QPointF(159, 282), QPointF(166, 318));
}

void paintPencil(QPainter& p)
{
    p.save();
    p.translate(248, 290);
    p.rotate(-31);
    QLinearGradient wood(0, -5, 0, 5);
    wood.setColorAt(0, QColor(255, 222, 90));
    wood.setColorAt(0.35, QColor(246, 190, 30));
    wood.setColorAt(0.36, QColor(214, 150, 10));
    wood.setColorAt(0.7, QColor(190, 120, 0));
    wood.setColorAt(1, QColor(120, 70, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRect(QRectF(-70, -5, 120, 10));
    p.setBrush(QColor(226, 180, 130));
    p.drawPolygon(QPolygonF({{-70, -5}, {-70, 5}, {-90, 0}}));
    p.setBrush(QColor(50, 50, 56));
    p.drawPolygon(QPolygonF({{-84, -1.5}, {-84, 1.5}, {-90, 0}}));
    QLinearGradient metal(0, -5, 0, 5);
    metal.setColorAt(0, QColor(230, 230, 220));
    metal.setColorAt(0.4, QColor(170, 168, 160));
    metal.setColorAt(1, QColor(90, 88, 84));
    p.setBrush(metal);
    p.drawRect(QRectF(50, -5.2, 10, 10.4));
    QLinearGradient rubber(0, -5, 0, 5);
    rubber.setColorAt(0, QColor(250, 150, 150));
    rubber.setColorAt(1, QColor(170, 70, 80));
    p.setBrush(rubber);
    p.drawRoundedRect(QRectF(59, -5, 12, 10), 3, 3);
    p.restore();
}

void paintCup(QPainter& p)
{
    const QRectF body(244, 88, 56, 50);
    QLinearGradient porcelain(body.left(), 0, body.right(), 0);
    porcelain.setColorAt(0, QColor(250, 246, 238));
    porcelain.setColorAt(0.3, QColor(255, 255, 252));
    porcelain.setColorAt(0.8, QColor(200, 190, 176));
    porcelain.setColorAt(1, QColor(150, 136, 120));
    p.setPen(QPen(QColor(236, 230, 220), 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(231, 97, 26, 28), 90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(porcelain);
    QPainterPath cup;
    cup.moveTo(body.topLeft());
    cup.lineTo(body.topRight());
    cup.cubicTo(300, 120, 292, 138, 272, 140);
    cup.cubicTo(252, 138, 244, 120, 244, 88);
    p.drawPath(cup);
    p.setBrush(QColor(240, 234, 224));
    p.drawEllipse(QRectF(244, 82, 56, 12));
    QRadialGradient coffee(QPointF(268, 87), 26);
    coffee.setColorAt(0, QColor(120, 70, 40));
    coffee.setColorAt(1, QColor(50, 26, 14));
    p.setBrush(coffee);
    p.drawEllipse(QRectF(248, 84, 48, 8));
}

void paintLampLight(QImage& image)
{
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient glow(kLamp + QPointF(30, 120), 190);
    glow.setColorAt(0, QColor(120, 90, 50));
    glow.setColorAt(0.5, QColor(40, 28, 14));
    glow.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(image.rect(), glow);
}

} // namespace

QImage photograph(int scale)
{
    QImage image = scaledImage(kPhotoSize, QImage::Format_RGB32, scale);
    {
        QPainter p(&image);
        p.drawImage(QPoint(0, 0), bookshelf(scale));
    }
    paintDesk(image, scale);
    paintShadows(image, scale);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintCup(p);
        paintPhotoBook(p);
        paintPencil(p);
    }
    paintLampLight(image);
    vignette(image, 0.55);
    addGrain(image, 5, 322);
    return image;
}

} // namespace artwork
