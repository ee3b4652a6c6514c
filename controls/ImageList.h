#pragma once
// A list of images of one cell size, each stored with its mask: the pixels of the mask
// colour given when it was added become transparent, so drawing an image leaves the
// background under them unchanged. An image may come with a doubled twin for screens of
// twice the density, kept at twice the cell size with a device pixel ratio of 2 and
// masked by the same colour.
#include <QImage>
#include <vector>

class QPainter;

class TImageList {
public:
    TImageList(int width, int height);
    virtual ~TImageList() = default;

    int width() const { return m_width; }
    int height() const { return m_height; }
    int count() const { return int(m_images.size()); }

    // Appends `image` (cropped or padded to the cell size) and returns its index.
    int add(const QImage& image, QRgb maskColor, const QImage& doubled = QImage());
    void replace(int index, const QImage& image, QRgb maskColor, const QImage& doubled = QImage());
    void draw(QPainter& painter, int index, QPoint position) const;
    const QImage& image(int index) const { return m_images.at(size_t(index)); }
    // Null for an image that came without a twin.
    const QImage& doubled(int index) const { return m_doubled.at(size_t(index)); }

    // The mask colour an image gets when none is given: its top-left pixel's.
    static QRgb defaultMaskColor(const QImage& image);

private:
    QImage masked(const QImage& image, QRgb maskColor, int scale) const;

    int m_width;
    int m_height;
    std::vector<QImage> m_images;
    std::vector<QImage> m_doubled;
};
