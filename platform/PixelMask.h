#pragma once
// The pixel sets, over QImage, from which a glyph's disabled picture is drawn.
#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

namespace wb {

// The set of pixels of one area of an image that pass a test: the colour conversions
// that turn a glyph cell into its disabled picture find pixels in one image and paint
// them in another.
class PixelMask {
public:
    // Pixels of `area` whose colour is exactly `color`.
    static PixelMask matching(const QImage& image, const QRect& area, QRgb color);
    // Pixels of `area` of a two-colour image whose bit is 0.
    static PixelMask zeroBits(const QImage& image, const QRect& area);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const;
    int count() const;

    // Paints `color` at every pixel of the mask moved by `offset`; what falls
    // outside `target` is dropped.
    void paintInto(QImage& target, const QColor& color, QPoint offset = {}) const;

private:
    PixelMask(int width, int height);

    int m_width;
    int m_height;
    std::vector<bool> m_bits;
};

} // namespace wb
