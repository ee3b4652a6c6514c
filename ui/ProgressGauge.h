#pragma once
// The gauge in the status bar: a solid navy bar growing from the panel's left edge in
// proportion to a percentage. The geometry is a pure function so that it can be
// checked without painting.
#include <QColor>
#include <QRect>

class QPainter;

namespace wb {

// Outline and fill alike, so the bar is one solid block.
inline constexpr QColor kGaugeColor{0, 0, 128};

// The bar for `percent` (0 to 100) inside `panel`: from the panel's left edge, its full
// height, and (width × percent ÷ 100) wide, the remainder dropped.
QRect gaugeBarRect(const QRect& panel, int percent);

// Draws the bar for `percent` inside `panel`; nothing at 0.
void paintGaugeBar(QPainter& painter, const QRect& panel, int percent);

} // namespace wb
