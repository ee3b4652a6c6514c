#include "controls/ImageList.h"

#include <QPainter>

TImageList::TImageList(int width, int height)
    : m_width(width)
    , m_height(height)
{
}

int TImageList::add(const QImage& image, QRgb maskColor)
{
    m_images.push_back(masked(image, maskColor));
    return count() - 1;
}

void TImageList::replace(int index, const QImage& image, QRgb maskColor)
{
    m_images.at(size_t(index)) = masked(image, maskColor);
}

void TImageList::draw(QPainter& painter, int index, QPoint position) const
{
    painter.drawImage(position, image(index));
}

QRgb TImageList::defaultMaskColor(const QImage& image)
{
    return image.isNull() ? qRgba(0, 0, 0, 0) : image.pixel(0, 0);
}

QImage TImageList::masked(const QImage& image, QRgb maskColor) const
{
    QImage cell(m_width, m_height, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < std::min(m_height, source.height()); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < std::min(m_width, source.width()); ++x)
            out[x] = in[x] == maskColor ? qRgba(0, 0, 0, 0) : in[x];
    }
    return cell;
}
