#include "widgets/ShadowText.h"

#include "widgets/LabelLayout.h"

#include <QPainter>

LabelShadow effectiveShadow(const LabelShadow& own, bool enabled)
{
    if (enabled)
        return own;
    LabelShadow shadow = own;
    if (shadow.size == 0) {
        shadow.position = spRightBottom;
        shadow.size = 1;
    }
    shadow.color = clBtnHighlight;
    return shadow;
}

void DrawTextWithShadow(QPainter& surface, const QString& text, QRect& rect,
                        const wb::TextFormat& format, int shadowSize, QRgb shadowColor,
                        TShadowPosition shadowPosition)
{
    QRect textRect = rect;
    QRect shadowRect = rect.translated(shadowOffset(shadowPosition, shadowSize));
    const QPen textPen = surface.pen();
    surface.setPen(QColor(shadowColor));
    wb::textBox(surface, text, shadowRect, format);
    surface.setPen(textPen);
    wb::textBox(surface, text, textRect, format);
    rect = enclosingRect(textRect, shadowRect);
}

void renderCaption(QPainter& surface, const CaptionStyle& style, QRect& rect, wb::TextFormat format)
{
    QString text = style.text;
    if (format.measure && (text.isEmpty() || (style.showAccelChar && text == u"&")))
        text += u' ';
    if (!style.showAccelChar)
        format.noPrefix = true;
    if (style.rightToLeft) {
        if (format.align != wb::TextAlign::Center)
            format.align =
                format.align == wb::TextAlign::Left ? wb::TextAlign::Right : wb::TextAlign::Left;
        format.rtlReading = true;
    }
    surface.setFont(style.font);
    surface.setPen(style.enabled ? style.textColor.toQColor() : clGrayText.toQColor());
    const LabelShadow shadow = effectiveShadow(style.shadow, style.enabled);
    DrawTextWithShadow(surface, text, rect, format, shadow.size, shadow.color.rgb(),
                       shadow.position);
}
