#include "controls/Panel.h"

#include <QPalette>

#include <QPainter>

QRect wb::drawBevel(QPainter& painter, const QRect& rect, TBevel bevel)
{
    if (bevel == TBevel::None || rect.isEmpty())
        return rect;
    const bool lowered = bevel == TBevel::Lowered;
    const QColor topLeft = (lowered ? clBtnShadow : clBtnHighlight).toQColor();
    const QColor bottomRight = (lowered ? clBtnHighlight : clBtnShadow).toQColor();
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    return rect.adjusted(1, 1, -1, -1);
}

TPanel::TPanel(QWidget* parent)
    : QWidget(parent)
    , m_layout(new wb::AlignLayout(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    bevelsChanged();
}

void TPanel::setBevelOuter(TBevel bevel)
{
    setBevels(bevel, m_inner);
}

void TPanel::setBevelInner(TBevel bevel)
{
    setBevels(m_outer, bevel);
}

void TPanel::setBevels(TBevel outer, TBevel inner)
{
    if (m_outer == outer && m_inner == inner)
        return;
    m_outer = outer;
    m_inner = inner;
    bevelsChanged();
}

void TPanel::setColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    // Children that take their parent's colour read it from the palette; a system
    // colour stays with the inherited palette, which follows the desktop.
    QPalette colours = palette();
    colours.setColor(backgroundRole(),
                     color.isSystem() ? QPalette().color(backgroundRole()) : color.toQColor());
    setPalette(colours);
    update();
}

void TPanel::addControl(QWidget* child, TAlign align)
{
    m_layout->addWidget(child, align);
}

QRect TPanel::clientRect() const
{
    return rect().marginsRemoved(m_layout->contentsMargins());
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect inside = wb::drawBevel(painter, rect(), m_outer);
    inside = wb::drawBevel(painter, inside, m_inner);
    painter.fillRect(inside, m_color.toQColor());
}

// Aligned children stay inside the bevels, as the panel's own client area.
void TPanel::bevelsChanged()
{
    const int width = int(m_outer != TBevel::None) + int(m_inner != TBevel::None);
    m_layout->setContentsMargins(width, width, width, width);
    update();
}
