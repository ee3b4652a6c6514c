#include "ui/ProgressGauge.h"

#include <QPainter>

namespace wb {

QRect gaugeBarRect(const QRect& panel, int percent)
{
    return {panel.left(), panel.top(), panel.width() * percent / 100, panel.height()};
}

void paintGaugeBar(QPainter& painter, const QRect& panel, int percent)
{
    const QRect bar = gaugeBarRect(panel, percent);
    if (bar.isEmpty())
        return;
    painter.fillRect(bar, kGaugeColor);
}

} // namespace wb
