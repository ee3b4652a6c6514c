// The side picture of both pages: London and Berlin on either bank of one river at
// dusk, with an open book in front of them. A title box covers rows 7 to 80, so the
// sky above the skylines is kept plain and the scene begins below it.
#include "tools/artwork/Art.h"
#include "tools/artwork/Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace artwork {

namespace {

constexpr QSize kSideSize(193, 281);
constexpr double kHorizon = 196;

void paintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(250, 226, 196));
    sky.setColorAt(0.45, QColor(248, 210, 170));
    sky.setColorAt(0.8, QColor(246, 184, 132));
    sky.setColorAt(1, QColor(242, 160, 110));
    p.fillRect(QRectF(0, 0, kSideSize.width(), kHorizon), sky);
    QRadialGradient sun(QPointF(104, kHorizon - 8), 70);
    sun.setColorAt(0, QColor(255, 250, 220, 255));
    sun.setColorAt(0.12, QColor(255, 236, 180, 230));
    sun.setColorAt(0.5, QColor(255, 210, 150, 70));
    sun.setColorAt(1, QColor(255, 200, 150, 0));
    p.fillRect(QRectF(0, 90, kSideSize.width(), kHorizon - 90), sun);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 225, 120));
    p.drawRoundedRect(QRectF(24, 112, 58, 4), 2, 2);
    p.drawRoundedRect(QRectF(116, 124, 66, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(138, 101, 40, 3), 1.5, 1.5);
}

// Far hills and houses, faded into the haze.
void paintDistance(QPainter& p)
{
    QPainterPath hills(QPointF(0, kHorizon));
    for (int x = 0; x <= kSideSize.width(); x += 4)
        hills.lineTo(x, kHorizon - 10 - 7 * fractalNoise(x * 0.04, 3.5, 3));
    hills.lineTo(kSideSize.width(), kHorizon);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 150, 128));
    p.drawPath(hills);
    p.setBrush(QColor(186, 128, 116));
    for (int i = 0; i < 20; ++i) {
        const double x = i * 10 + 3 * valueNoise(i, 1.5);
        const double h = 5 + 9 * valueNoise(i * 0.7, 7.1);
        p.drawRect(QRectF(x, kHorizon - h, 7, h));
    }
}

void paintBigBen(QPainter& p, const QColor& stone)
{
    p.setBrush(stone);
    p.drawRect(QRectF(28, 112, 20, kHorizon - 112)); // shaft
    p.drawRect(QRectF(26, 100, 24, 13));             // clock stage
    p.drawPolygon(QPolygonF({{26, 100}, {50, 100}, {46, 92}, {30, 92}}));
    p.drawRect(QRectF(31, 82, 14, 10));                       // belfry
    p.drawPolygon(QPolygonF({{29, 82}, {47, 82}, {38, 60}})); // spire
    p.drawRect(QRectF(37.4, 53, 1.2, 8));
    p.drawRect(QRectF(0, 160, 30, kHorizon - 160)); // the palace
    for (int x = 2; x < 28; x += 6)
        p.drawPolygon(QPolygonF({{double(x), 160}, {x + 4.0, 160}, {x + 2.0, 152}}));
    p.setBrush(QColor(255, 236, 190));
    p.drawEllipse(QPointF(38, 106.5), 5, 5);
    p.setPen(QPen(stone, 1));
    p.drawLine(QPointF(38, 106.5), QPointF(38, 103));
    p.drawLine(QPointF(38, 106.5), QPointF(40.5, 106.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 150, 200));
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawRect(QRectF(32 + col * 8, 120 + row * 12, 3, 5));
}

void paintBerlin(QPainter& p, const QColor& stone)
{
    p.setBrush(stone);
    p.drawRect(QRectF(159, 98, 4, kHorizon - 98)); // television tower
    p.drawEllipse(QPointF(161, 96), 8, 8);
    p.drawRect(QRectF(157, 86, 8, 4));
    p.drawRect(QRectF(160.3, 58, 1.4, 30));
    p.setBrush(QColor(255, 80, 60));
    p.drawEllipse(QPointF(161, 58), 1.3, 1.3);
    p.setBrush(stone);
    p.drawRect(QRectF(102, 164, 78, 6)); // the gate
    p.drawRect(QRectF(106, 158, 70, 6));
    p.drawRect(QRectF(132, 152, 18, 6));
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(104 + i * 14.2, 170, 4, kHorizon - 170));
    p.drawRect(QRectF(138, 146, 6, 6)); // the quadriga
    p.drawPolygon(QPolygonF({{136, 152}, {146, 152}, {141, 143}}));
    p.drawRect(QRectF(178, 150, 15, kHorizon - 150));
    p.drawRect(QRectF(184, 128, 9, kHorizon - 128));
    p.setBrush(QColor(255, 220, 150, 200));
    for (int row = 0; row < 5; ++row)
        p.drawRect(QRectF(186, 134 + row * 10, 3, 4));
}

void paintRiver(QPainter& p)
{
    QLinearGradient water(0, kHorizon, 0, kSideSize.height());
    water.setColorAt(0, QColor(226, 150, 112));
    water.setColorAt(0.3, QColor(120, 120, 130));
    water.setColorAt(1, QColor(52, 84, 92));
    p.fillRect(QRectF(0, kHorizon, kSideSize.width(), kSideSize.height() - kHorizon), water);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const double y = kHorizon + 3 + i * 2.6 + i * i * 0.05;
        const double width = 6 + 30 * valueNoise(i * 1.3, 2.2) * (1 - i / 40.0);
        const double x = 104 - width / 2 + 14 * (valueNoise(i * 0.9, 5.5) - 0.5);
        p.setBrush(QColor(255, 238, 200, 190 - i * 6));
        p.drawRoundedRect(QRectF(x, y, width, 1.2), 0.6, 0.6);
    }
    QLinearGradient bank(0, kHorizon - 2, 0, kHorizon + 2);
    bank.setColorAt(0, QColor(70, 40, 44));
    bank.setColorAt(1, QColor(110, 70, 66, 0));
    p.fillRect(QRectF(0, kHorizon - 2, kSideSize.width(), 4), bank);
}

// One page of the open book, given by its corners (outer top, gutter top, gutter
// bottom, outer bottom); its top edge bows up between them.
void paintPage(QPainter& p, const QPointF corners[4], bool left)
{
    auto lift = [](double u) { return 7 * std::sin(M_PI * std::pow(u, 1.4)); };
    QPainterPath page(bilinear(corners, 0, 0));
    for (int i = 1; i <= 20; ++i) {
        const double u = i / 20.0;
        page.lineTo(bilinear(corners, u, 0) - QPointF(0, lift(u)));
    }
    for (int i = 20; i >= 0; --i) {
        const double u = i / 20.0;
        page.lineTo(bilinear(corners, u, 1) - QPointF(0, lift(u) * 0.5));
    }
    page.closeSubpath();
    QLinearGradient shade(corners[0], corners[1]);
    shade.setColorAt(0, QColor(252, 246, 232));
    shade.setColorAt(0.75, QColor(246, 236, 214));
    shade.setColorAt(1, QColor(196, 176, 146));
    p.setBrush(shade);
    p.setPen(QPen(QColor(150, 120, 92), 0.6));
    p.drawPath(page);
    p.setPen(QPen(QColor(110, 86, 70, 150), 0.7));
    for (int line = 0; line < 7; ++line) {
        const double v = 0.16 + line * 0.11;
        const double start = left ? 0.14 : 0.12, end = start + 0.58 + 0.16 * valueNoise(line, 3);
        const QPointF a = bilinear(corners, start, v) - QPointF(0, lift(start) * (1 - v * 0.5));
        const QPointF b = bilinear(corners, end, v) - QPointF(0, lift(end) * (1 - v * 0.5));
        p.drawLine(a, b);
    }
}

// The stone parapet of the embankment in front, which the book lies on.
void paintParapet(QPainter& p)
{
    QLinearGradient stone(0, 258, 0, kSideSize.height());
    stone.setColorAt(0, QColor(196, 150, 130));
    stone.setColorAt(0.15, QColor(150, 100, 92));
    stone.setColorAt(1, QColor(92, 54, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(stone);
    p.drawRect(QRectF(0, 258, kSideSize.width(), kSideSize.height() - 258));
    p.setBrush(QColor(255, 226, 190, 110));
    p.drawRect(QRectF(0, 258, kSideSize.width(), 1.5));
    p.setPen(QPen(QColor(80, 44, 48, 120), 1));
    for (int x = 24; x < kSideSize.width(); x += 48)
        p.drawLine(QPointF(x, 266), QPointF(x, kSideSize.height()));
    p.drawLine(QPointF(0, 266), QPointF(kSideSize.width(), 266));
}

void paintSideBook(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 16, 20, 120));
    p.drawEllipse(QRectF(4, 258, 186, 16));
    QPainterPath cover;
    cover.moveTo(6, 238);
    cover.quadTo(96, 226, 187, 238);
    cover.lineTo(190, 270);
    cover.quadTo(96, 258, 3, 270);
    cover.closeSubpath();
    p.setBrush(QColor(110, 8, 8));
    p.drawPath(cover);
    p.setBrush(QColor(236, 224, 200));
    p.drawRect(QRectF(8, 262, 86, 3));
    p.drawRect(QRectF(99, 262, 86, 3));
    const QPointF leftPage[4] = {{10, 236}, {96, 240}, {96, 266}, {8, 262}};
    const QPointF rightPage[4] = {{96, 240}, {183, 236}, {185, 262}, {96, 266}};
    paintPage(p, leftPage, true);
    QPointF mirrored[4] = {rightPage[1], rightPage[0], rightPage[3], rightPage[2]};
    paintPage(p, mirrored, false);
    p.setPen(QPen(QColor(60, 140, 80), 2.2));
    p.drawLine(QPointF(97, 262), QPointF(101, 280));
}

// Letters rising from the book, the two alphabets meeting over the river.
void paintLetters(QPainter& p)
{
    struct Letter {
        const char* text;
        QPointF at;
        int size;
        int alpha;
    };
    const Letter letters[] = {{"A", {60, 222}, 15, 230}, {"\xc3\x84", {118, 220}, 15, 230},
                              {"b", {82, 206}, 12, 200}, {"\xc3\x9f", {136, 204}, 12, 200},
                              {"W", {46, 200}, 10, 150}, {"\xc3\xb6", {100, 190}, 10, 160},
                              {"e", {150, 186}, 9, 120}, {"z", {70, 182}, 8, 110}};
    for (const Letter& letter : letters) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(letter.size);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(255, 250, 236, letter.alpha / 2));
        p.drawText(letter.at + QPointF(1, 1), QString::fromUtf8(letter.text));
        p.setPen(QColor(128, 0, 0, letter.alpha));
        p.drawText(letter.at, QString::fromUtf8(letter.text));
    }
}

} // namespace

QImage sidePicture(int scale)
{
    QImage image(kSideSize * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p);
    paintDistance(p);
    p.setPen(Qt::NoPen);
    paintBigBen(p, QColor(92, 50, 58));
    paintBerlin(p, QColor(92, 50, 58));
    paintRiver(p);
    paintLetters(p);
    paintParapet(p);
    paintSideBook(p);
    return image;
}

} // namespace artwork
