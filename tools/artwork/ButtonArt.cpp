// The About and Exit pictures of the bottom bar: glossy bars edge to edge, so they
// look the same on any button-face colour. The pressed picture is darker, lit from
// below, with a shadow along its top and left inside edges and its content one pixel
// right and down.
#include "platform/Fonts.h"
#include "tools/artwork/Art.h"
#include "tools/artwork/Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

constexpr QSize kButtonSize(101, 30);

struct ButtonColours {
    QColor top, bottom, frame, symbol;
};

ButtonColours coloursOf(PictureButton button)
{
    if (button == PictureButton::About)
        return {QColor(126, 186, 132), QColor(46, 112, 62), QColor(24, 66, 34),
                QColor(40, 104, 56)};
    return {QColor(206, 76, 60), QColor(122, 10, 10), QColor(74, 0, 0), QColor(128, 0, 0)};
}

void paintBody(QPainter& p, const ButtonColours& c, bool pressed)
{
    const QRectF inner(1, 1, kButtonSize.width() - 2, kButtonSize.height() - 2);
    QLinearGradient fill(0, 1, 0, kButtonSize.height() - 1);
    fill.setColorAt(0, pressed ? c.bottom.darker(115) : c.top);
    fill.setColorAt(pressed ? 0.6 : 0.5, pressed ? c.bottom : mix(c.top, c.bottom, 0.45));
    fill.setColorAt(1, pressed ? mix(c.top, c.bottom, 0.5) : c.bottom);
    p.fillRect(QRect(QPoint(0, 0), kButtonSize), c.frame);
    p.fillRect(inner, fill);
    if (!pressed) {
        QLinearGradient gloss(0, 1, 0, 15);
        gloss.setColorAt(0, QColor(255, 255, 255, 150));
        gloss.setColorAt(1, QColor(255, 255, 255, 40));
        p.fillRect(QRectF(2, 2, kButtonSize.width() - 4, 12), gloss);
        p.fillRect(QRectF(1, 1, kButtonSize.width() - 2, 1), QColor(255, 255, 255, 120));
        p.fillRect(QRectF(1, kButtonSize.height() - 2, kButtonSize.width() - 2, 1),
                   QColor(0, 0, 0, 60));
        return;
    }
    for (int i = 0; i < 3; ++i) {
        const QColor shade(0, 0, 0, 110 - 35 * i);
        p.fillRect(QRectF(1, 1 + i, kButtonSize.width() - 2, 1), shade);
        p.fillRect(QRectF(1 + i, 1, 1, kButtonSize.height() - 2), shade);
    }
    p.fillRect(QRectF(1, kButtonSize.height() - 2, kButtonSize.width() - 2, 1),
               QColor(255, 255, 255, 60));
}

// A white disc with the symbol of the button in the button's own colour.
void paintSymbol(QPainter& p, PictureButton button, const ButtonColours& c, QPointF centre)
{
    QRadialGradient disc(centre - QPointF(3, 3), 13);
    disc.setColorAt(0, Qt::white);
    disc.setColorAt(1, QColor(222, 222, 214));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(disc);
    p.drawEllipse(centre, 10, 10);
    p.setBrush(Qt::NoBrush);
    if (button == PictureButton::About) {
        p.setPen(Qt::NoPen);
        p.setBrush(c.symbol);
        p.drawEllipse(centre + QPointF(0, -5), 1.9, 1.9);
        p.drawRoundedRect(QRectF(centre.x() - 1.7, centre.y() - 1.5, 3.4, 8.5), 1, 1);
        return;
    }
    p.setPen(QPen(c.symbol, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre - QPointF(5.5, 5), QSizeF(11, 11)), 125 * 16, 290 * 16);
    p.drawLine(centre + QPointF(0, -6.5), centre + QPointF(0, -0.5));
}

void paintCaption(QPainter& p, const QString& caption, QRectF area)
{
    QFont font = wb::layoutFont(wb::kSansSerifFace, 15, QFont::Bold);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(area.translated(1, 1), Qt::AlignCenter, caption);
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignCenter, caption);
}

} // namespace

QImage pictureButton(PictureButton button, bool pressed, int scale)
{
    QImage image(kButtonSize * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const ButtonColours colours = coloursOf(button);
    paintBody(p, colours, pressed);
    const QPointF shift = pressed ? QPointF(1, 1) : QPointF(0, 0);
    paintSymbol(p, button, colours, QPointF(17.5, 15) + shift);
    const QString caption =
        button == PictureButton::About ? QString::fromUtf8("Über...") : QStringLiteral("Ende");
    paintCaption(p, caption, QRectF(30, 0, 66, kButtonSize.height()).translated(shift));
    return image;
}

} // namespace artwork
