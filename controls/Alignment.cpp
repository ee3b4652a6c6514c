#include "controls/Alignment.h"

#include <QWidget>
#include <algorithm>

namespace wb {
namespace {

// Cuts a strip of `extent` off the `align` edge of `rest`. The strip keeps its extent;
// `rest` gives up at most what it has.
QRect takeStrip(QRect& rest, TAlign align, QSize extent)
{
    const int height = std::min(extent.height(), rest.height());
    const int width = std::min(extent.width(), rest.width());
    switch (align) {
    case TAlign::Top: {
        const QRect strip(rest.left(), rest.top(), rest.width(), extent.height());
        rest.setTop(rest.top() + height);
        return strip;
    }
    case TAlign::Bottom: {
        const QRect strip(rest.left(), rest.bottom() + 1 - extent.height(), rest.width(),
                          extent.height());
        rest.setBottom(rest.bottom() - height);
        return strip;
    }
    case TAlign::Left: {
        const QRect strip(rest.left(), rest.top(), extent.width(), rest.height());
        rest.setLeft(rest.left() + width);
        return strip;
    }
    case TAlign::Right: {
        const QRect strip(rest.right() + 1 - extent.width(), rest.top(), extent.width(),
                          rest.height());
        rest.setRight(rest.right() - width);
        return strip;
    }
    default:
        return rest;
    }
}

} // namespace

std::vector<QRect> alignControls(const QRect& area, std::span<const AlignItem> items)
{
    std::vector<QRect> placed(items.size());
    QRect rest(area.topLeft(), area.size().expandedTo(QSize(0, 0)));
    for (const TAlign edge : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right}) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].align == edge)
                placed[i] = takeStrip(rest, edge, items[i].geometry.size());
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].align == TAlign::Client)
            placed[i] = rest;
        else if (items[i].align == TAlign::None)
            placed[i] = items[i].geometry;
    }
    return placed;
}

AlignLayout::AlignLayout(QWidget* parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

AlignLayout::~AlignLayout()
{
    for (const Entry& entry : m_entries)
        delete entry.item;
}

void AlignLayout::addWidget(QWidget* widget, TAlign align)
{
    addChildWidget(widget);
    m_entries.push_back({new QWidgetItem(widget), align});
    invalidate();
}

void AlignLayout::addItem(QLayoutItem* item)
{
    m_entries.push_back({item, TAlign::None});
    invalidate();
}

TAlign AlignLayout::alignOf(const QWidget* widget) const
{
    const int index = indexOf(widget);
    return index < 0 ? TAlign::None : m_entries[size_t(index)].align;
}

void AlignLayout::setAlign(QWidget* widget, TAlign align)
{
    const int index = indexOf(widget);
    if (index < 0 || m_entries[size_t(index)].align == align)
        return;
    m_entries[size_t(index)].align = align;
    invalidate();
}

QLayoutItem* AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_entries[size_t(index)].item : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_entries[size_t(index)].item;
    m_entries.erase(m_entries.begin() + index);
    return item;
}

// The widgets are placed directly rather than through their layout items, which would
// bound each one by its size hint and policy: a strip's extent is what it was given.
void AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    std::vector<AlignItem> items;
    std::vector<QLayoutItem*> shown;
    for (const Entry& entry : m_entries) {
        if (entry.item->isEmpty())
            continue;
        const QWidget* widget = entry.item->widget();
        items.push_back({entry.align, widget ? widget->geometry() : entry.item->geometry()});
        shown.push_back(entry.item);
    }
    const std::vector<QRect> placed = alignControls(contentsRect(), items);
    for (size_t i = 0; i < shown.size(); ++i) {
        if (items[i].align == TAlign::None)
            continue;
        if (QWidget* widget = shown[i]->widget())
            widget->setGeometry(placed[i]);
        else
            shown[i]->setGeometry(placed[i]);
    }
}

QSize AlignLayout::sizeHint() const
{
    QSize strips(0, 0);
    for (const Entry& entry : m_entries) {
        const QWidget* widget = entry.item->widget();
        const QSize size = widget ? widget->size() : entry.item->sizeHint();
        if (entry.align == TAlign::Top || entry.align == TAlign::Bottom)
            strips.rheight() += size.height();
        else if (entry.align == TAlign::Left || entry.align == TAlign::Right)
            strips.rwidth() += size.width();
    }
    const QMargins margins = contentsMargins();
    return strips + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

Qt::Orientations AlignLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

int AlignLayout::indexOf(const QWidget* widget) const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].item->widget() == widget)
            return int(i);
    }
    return -1;
}

} // namespace wb
