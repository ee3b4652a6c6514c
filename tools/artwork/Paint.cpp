#include "tools/artwork/Paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace artwork {

QColor mix(const QColor& from, const QColor& to, double amount)
{
    auto channel = [amount](int a, int b) { return int(std::lround(a + (b - a) * amount)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), channel(from.alpha(), to.alpha()));
}

namespace {

// One box blur along rows of premultiplied ARGB, clamped at the edges.
void boxRows(std::vector<QRgb>& pixels, int width, int height, int radius, bool vertical)
{
    const int length = vertical ? height : width;
    const int lines = vertical ? width : height;
    std::vector<QRgb> line(static_cast<size_t>(length));
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> QRgb& {
            i = std::clamp(i, 0, length - 1);
            return vertical ? pixels[size_t(i * width + l)] : pixels[size_t(l * width + i)];
        };
        int sum[4] = {0, 0, 0, 0};
        for (int i = -radius; i <= radius; ++i) {
            const QRgb p = at(i);
            sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p);
        }
        const int count = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            line[size_t(i)] = qRgba(sum[1] / count, sum[2] / count, sum[3] / count, sum[0] / count);
            const QRgb out = at(i - radius), in = at(i + radius + 1);
            sum[0] += qAlpha(in) - qAlpha(out), sum[1] += qRed(in) - qRed(out);
            sum[2] += qGreen(in) - qGreen(out), sum[3] += qBlue(in) - qBlue(out);
        }
        for (int i = 0; i < length; ++i)
            at(i) = line[size_t(i)];
    }
}

} // namespace

QImage blurred(const QImage& image, int radius)
{
    const QImage::Format format = image.format();
    QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = work.width(), height = work.height();
    std::vector<QRgb> pixels(size_t(width * height));
    for (int y = 0; y < height; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(work.constScanLine(y)), width,
                    pixels.begin() + y * width);
    const int box = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxRows(pixels, width, height, box, false);
        boxRows(pixels, width, height, box, true);
    }
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.begin() + y * width, width, reinterpret_cast<QRgb*>(work.scanLine(y)));
    return work.convertToFormat(format);
}

void addGrain(QImage& image, int amplitude, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-amplitude, amplitude);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int n = noise(random);
            image.setPixelColor(x, y,
                                QColor(std::clamp(c.red() + n, 0, 255),
                                       std::clamp(c.green() + n, 0, 255),
                                       std::clamp(c.blue() + n, 0, 255), c.alpha()));
        }
}

void vignette(QImage& image, double strength)
{
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x - cx, y - cy) / reach;
            const double keep = 1.0 - strength * std::pow(d, 2.2);
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(x, y,
                                QColor(int(c.red() * keep), int(c.green() * keep),
                                       int(c.blue() * keep), c.alpha()));
        }
}

namespace {

double lattice(int x, int y)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xffff) / 65535.0;
}

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

double valueNoise(double x, double y)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double tx = smooth(x - x0), ty = smooth(y - y0);
    const double top = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * tx;
    const double bottom =
        lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int octaves)
{
    double sum = 0, weight = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x, y);
        total += weight;
        x *= 2.03, y *= 2.03, weight *= 0.5;
    }
    return sum / total;
}

QPointF bilinear(const QPointF q[4], double u, double v)
{
    const QPointF top = q[0] + (q[1] - q[0]) * u, bottom = q[3] + (q[2] - q[3]) * u;
    return top + (bottom - top) * v;
}

} // namespace artwork
