#include "platform/Canvas.h"

#include "platform/VisualStyles.h"

namespace wb {

Canvas::Canvas() = default;
Canvas::~Canvas() = default;

void Canvas::bind(QPaintDevice* device)
{
    m_painter = std::make_unique<QPainter>(device);
}

void Canvas::release()
{
    m_painter.reset();
}

void Canvas::setFont(const QFont& font)
{
    m_painter->setFont(font);
}

QFont Canvas::font() const
{
    return m_painter->font();
}

void Canvas::setTextColor(const QColor& color)
{
    m_painter->setPen(color);
}

void Canvas::fillRect(const QRect& rect, TColor color)
{
    m_painter->fillRect(rect, color.toQColor());
}

void Canvas::frameRect(const QRect& rect, TColor color)
{
    if (rect.isEmpty())
        return;
    const QColor c = color.toQColor();
    m_painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), c);
    m_painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), c);
    m_painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), c);
    m_painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), c);
}

void Canvas::rectangle(const QRect& rect, TColor pen, TColor brush)
{
    fillRect(rect, brush);
    frameRect(rect, pen);
}

void Canvas::drawText(const QString& text, QRect& rect, const TextFormat& format)
{
    textBox(*m_painter, text, rect, format);
}

void Canvas::drawFocusRect(const QRect& rect)
{
    wb::drawFocusRect(*m_painter, rect);
}

} // namespace wb
