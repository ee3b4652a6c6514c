#include "platform/PixelMask.h"

#include <algorithm>

namespace wb {

PixelMask::PixelMask(int width, int height)
    : m_width(std::max(0, width))
    , m_height(std::max(0, height))
    , m_bits(size_t(m_width) * size_t(m_height), false)
{
}

PixelMask PixelMask::matching(const QImage& image, const QRect& area, QRgb color)
{
    PixelMask mask(area.width(), area.height());
    for (int y = 0; y < mask.m_height; ++y)
        for (int x = 0; x < mask.m_width; ++x)
            if (image.valid(area.x() + x, area.y() + y))
                mask.m_bits[size_t(y * mask.m_width + x)] =
                    image.pixel(area.x() + x, area.y() + y) == color;
    return mask;
}

PixelMask PixelMask::zeroBits(const QImage& image, const QRect& area)
{
    PixelMask mask(area.width(), area.height());
    for (int y = 0; y < mask.m_height; ++y)
        for (int x = 0; x < mask.m_width; ++x)
            if (image.valid(area.x() + x, area.y() + y))
                mask.m_bits[size_t(y * mask.m_width + x)] =
                    image.pixelIndex(area.x() + x, area.y() + y) == 0;
    return mask;
}

bool PixelMask::contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_width && y < m_height && m_bits[size_t(y * m_width + x)];
}

int PixelMask::count() const
{
    return int(std::count(m_bits.begin(), m_bits.end(), true));
}

void PixelMask::paintInto(QImage& target, const QColor& color, QPoint offset) const
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (contains(x, y) && target.valid(x + offset.x(), y + offset.y()))
                target.setPixelColor(x + offset.x(), y + offset.y(), color);
}

} // namespace wb
