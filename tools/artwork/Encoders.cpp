#include "tools/artwork/Encoders.h"

#include "tools/bytes/LittleEndian.h"

#include <QBuffer>
#include <array>
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
#include <map>
#include <stdexcept>
#include <vector>

namespace artwork {

namespace {

using wb::tools::put16;
using wb::tools::put32;

constexpr int kTableSize = 256;

struct Indexed {
    int width = 0;
    int height = 0;
    std::array<QRgb, kTableSize> table{};
    std::vector<std::uint8_t> pixels; // top row first
};

int distance(QRgb a, QRgb b)
{
    const int red = qRed(a) - qRed(b), green = qGreen(a) - qGreen(b), blue = qBlue(a) - qBlue(b);
    return 2 * red * red + 4 * green * green + 3 * blue * blue;
}

int nearest(const std::vector<QRgb>& colours, QRgb colour)
{
    int best = 0;
    for (int i = 1; i < int(colours.size()); ++i)
        if (distance(colours[size_t(i)], colour) < distance(colours[size_t(best)], colour))
            best = i;
    return best;
}

std::vector<QRgb> medianCut(const QImage& image, int size)
{
    const auto count = size_t(image.width() * image.height());
    std::vector<GifByteType> red(count), green(count), blue(count), out(count);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const auto i = size_t(y * image.width() + x);
            red[i] = GifByteType(qRed(pixel));
            green[i] = GifByteType(qGreen(pixel));
            blue[i] = GifByteType(qBlue(pixel));
        }
    std::vector<GifColorType> map(kTableSize);
    int mapSize = size;
    if (GifQuantizeBuffer(unsigned(image.width()), unsigned(image.height()), &mapSize, red.data(),
                          green.data(), blue.data(), out.data(), map.data()) != GIF_OK)
        throw std::runtime_error("colour reduction failed");
    std::vector<QRgb> colours;
    for (int i = 0; i < mapSize; ++i)
        colours.push_back(qRgb(map[size_t(i)].Red, map[size_t(i)].Green, map[size_t(i)].Blue));
    return colours;
}

// Floyd-Steinberg error diffusion onto `colours`; `exact` pixels take `exactIndex`.
void dither(const QImage& image, const std::vector<QRgb>& colours, std::optional<QRgb> exact,
            int exactIndex, Indexed& result)
{
    const int width = image.width();
    std::vector<std::array<float, 3>> error(size_t((width + 2) * 2), {0, 0, 0});
    for (int y = 0; y < image.height(); ++y) {
        auto* row = &error[size_t((y % 2) * (width + 2))];
        auto* next = &error[size_t(((y + 1) % 2) * (width + 2))];
        std::fill(next, next + width + 2, std::array<float, 3>{0, 0, 0});
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const auto out = size_t(y * width + x);
            if (exact && pixel == *exact) {
                result.pixels[out] = std::uint8_t(exactIndex);
                continue;
            }
            const auto& e = row[x + 1];
            auto clamp = [](float v) { return std::clamp(int(v + 0.5f), 0, 255); };
            const QRgb wanted = qRgb(clamp(qRed(pixel) + e[0]), clamp(qGreen(pixel) + e[1]),
                                     clamp(qBlue(pixel) + e[2]));
            const int index = nearest(colours, wanted);
            result.pixels[out] = std::uint8_t(index);
            const QRgb got = colours[size_t(index)];
            const float diff[3] = {float(qRed(wanted) - qRed(got)),
                                   float(qGreen(wanted) - qGreen(got)),
                                   float(qBlue(wanted) - qBlue(got))};
            for (int c = 0; c < 3; ++c) {
                row[x + 2][size_t(c)] += diff[c] * 7 / 16;
                next[x][size_t(c)] += diff[c] * 3 / 16;
                next[x + 1][size_t(c)] += diff[c] * 5 / 16;
                next[x + 2][size_t(c)] += diff[c] * 1 / 16;
            }
        }
    }
}

Indexed toIndexed(const QImage& source, std::optional<QRgb> exact)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    Indexed result;
    result.width = image.width();
    result.height = image.height();
    result.pixels.resize(size_t(image.width() * image.height()));
    std::map<QRgb, int> unique;
    for (int y = 0; y < image.height() && unique.size() <= kTableSize; ++y)
        for (int x = 0; x < image.width(); ++x)
            unique.emplace(image.pixel(x, y), 0);
    if (unique.size() <= kTableSize) {
        int index = 0;
        for (auto& [colour, slot] : unique) {
            slot = index;
            result.table[size_t(index++)] = colour;
        }
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                result.pixels[size_t(y * image.width() + x)] =
                    std::uint8_t(unique.at(image.pixel(x, y)));
        return result;
    }
    const std::vector<QRgb> colours = medianCut(image, exact ? kTableSize - 1 : kTableSize);
    std::copy(colours.begin(), colours.end(), result.table.begin());
    const int exactIndex = int(colours.size());
    if (exact)
        result.table[size_t(exactIndex)] = *exact;
    dither(image, colours, exact, exactIndex, result);
    return result;
}

int appendToString(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), size_t(length));
    return length;
}

} // namespace

std::string encodeGif(const QImage& image)
{
    const Indexed indexed = toIndexed(image, std::nullopt);
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToString, &error);
    if (!gif)
        throw std::runtime_error("cannot start a GIF");
    EGifSetGifVersion(gif, true);
    std::array<GifColorType, kTableSize> colours{};
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = {GifByteType(qRed(indexed.table[i])), GifByteType(qGreen(indexed.table[i])),
                      GifByteType(qBlue(indexed.table[i]))};
    ColorMapObject* map = GifMakeMapObject(kTableSize, colours.data());
    bool ok = EGifPutScreenDesc(gif, indexed.width, indexed.height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width, indexed.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(size_t(indexed.width));
    for (int y = 0; ok && y < indexed.height; ++y) {
        std::copy_n(indexed.pixels.begin() + y * indexed.width, indexed.width, row.begin());
        ok = EGifPutLine(gif, row.data(), indexed.width) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok)
        throw std::runtime_error("GIF encoding failed");
    return out;
}

// File header, 40-byte info header, 256 palette entries (blue, green, red, 0), then
// the rows from the bottom up, each padded to a multiple of four bytes.
std::string encodeBmp8(const QImage& image, std::optional<QRgb> exactColor)
{
    const Indexed indexed = toIndexed(image, exactColor);
    const unsigned rowBytes = (unsigned(indexed.width) + 3) / 4 * 4;
    const unsigned dataOffset = 14 + 40 + kTableSize * 4;
    const unsigned imageSize = rowBytes * unsigned(indexed.height);
    std::string out = "BM";
    put32(out, dataOffset + imageSize);
    put32(out, 0);
    put32(out, dataOffset);
    put32(out, 40);
    put32(out, unsigned(indexed.width));
    put32(out, unsigned(indexed.height));
    put16(out, 1); // planes
    put16(out, 8); // bits per pixel
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, kTableSize);
    put32(out, 0);
    for (QRgb colour : indexed.table) {
        out += char(qBlue(colour));
        out += char(qGreen(colour));
        out += char(qRed(colour));
        out += '\0';
    }
    for (int y = indexed.height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        std::copy_n(indexed.pixels.begin() + y * indexed.width, indexed.width, row.begin());
        out += row;
    }
    return out;
}

std::string encodeProgressiveJpeg(const QImage& source, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_simple_progression(&info);
    info.density_unit = 1; // dots per inch
    info.X_density = info.Y_density = 96;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

std::string encodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("PNG encoding failed");
    return bytes.toStdString();
}

} // namespace artwork
