#include "controls/ImageList.h"

#include <QPainter>
#include <cmath>

TImageList::TImageList(int width, int height)
    : m_width(width)
    , m_height(height)
{
}

int TImageList::add(const QImage& image, QRgb maskColor, const QImage& doubled)
{
    m_images.push_back(masked(image, maskColor, 1));
    m_doubled.push_back(doubled.isNull() ? QImage() : masked(doubled, maskColor, 2));
    return count() - 1;
}

void TImageList::replace(int index, const QImage& image, QRgb maskColor, const QImage& doubled)
{
    m_images.at(size_t(index)) = masked(image, maskColor, 1);
    m_doubled.at(size_t(index)) = doubled.isNull() ? QImage() : masked(doubled, maskColor, 2);
}

// The painter's device decides which of the two a screen of twice the density gets.
void TImageList::draw(QPainter& painter, int index, QPoint position) const
{
    const bool dense = std::abs(painter.deviceTransform().m11()) > 1;
    painter.drawImage(position, dense && !doubled(index).isNull() ? doubled(index) : image(index));
}

QRgb TImageList::defaultMaskColor(const QImage& image)
{
    return image.isNull() ? qRgba(0, 0, 0, 0) : image.pixel(0, 0);
}

QImage TImageList::masked(const QImage& image, QRgb maskColor, int scale) const
{
    const int width = m_width * scale, height = m_height * scale;
    QImage cell(width, height, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < std::min(height, source.height()); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < std::min(width, source.width()); ++x)
            out[x] = in[x] == maskColor ? qRgba(0, 0, 0, 0) : in[x];
    }
    cell.setDevicePixelRatio(scale);
    return cell;
}
