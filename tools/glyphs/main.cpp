// Writes the button glyphs as 4-bit BMP files from the pixel maps in GlyphArt.h.
//   wb-glyphs DIR           write every glyph into DIR
//   wb-glyphs --check DIR   exit 1 if a file in DIR differs from what would be written
// The files in assets/glyphs are this program's output; change the maps, run it, and
// commit both.
#include "tools/bytes/LittleEndian.h"
#include "tools/glyphs/GlyphArt.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

using wb::tools::put16;
using wb::tools::put32;

struct Rgb {
    std::uint8_t red, green, blue;
};
using Palette = std::array<Rgb, 16>;

// The standard 16-colour palette, in the order GlyphArt.h lists its characters.
constexpr Palette kStandardPalette = {{{0, 0, 0},
                                       {128, 0, 0},
                                       {0, 128, 0},
                                       {128, 128, 0},
                                       {0, 0, 128},
                                       {128, 0, 128},
                                       {0, 128, 128},
                                       {128, 128, 128},
                                       {192, 192, 192},
                                       {255, 0, 0},
                                       {0, 255, 0},
                                       {255, 255, 0},
                                       {0, 0, 255},
                                       {255, 0, 255},
                                       {0, 255, 255},
                                       {255, 255, 255}}};
constexpr std::string_view kColourChars = "kmgonpt+srlybfcw";
enum : std::uint8_t { kOlive = 3, kPurple = 5, kGrey = 7, kSilver = 8, kWhite = 15 };

struct Bitmap {
    int width;
    int height;
    Palette palette = kStandardPalette;
    std::vector<std::uint8_t> pixels; // palette indices, top row first

    Bitmap(int w, int h, std::uint8_t background)
        : width(w)
        , height(h)
        , pixels(std::size_t(w * h), background)
    {
    }
    void set(int x, int y, std::uint8_t index) { pixels[std::size_t(y * width + x)] = index; }
};

std::uint8_t colourIndex(char c, std::uint8_t background)
{
    if (c == '.')
        return background;
    const auto index = kColourChars.find(c);
    if (index == std::string_view::npos)
        throw std::invalid_argument(std::string("unknown colour character ") + c);
    return std::uint8_t(index);
}

void checkSize(std::string_view name, const std::vector<std::string_view>& picture, int width)
{
    for (std::string_view row : picture)
        if (int(row.size()) != width)
            throw std::invalid_argument(std::string(name) + ": a row is not " +
                                        std::to_string(width) + " pixels wide");
}

bool isShape(const std::vector<std::string_view>& picture, int x, int y)
{
    return y >= 0 && y < int(picture.size()) && x >= 0 && x < int(picture[0].size()) &&
           picture[std::size_t(y)][std::size_t(x)] != '.';
}

// The coloured picture in cell 1; in cell 2 its shape in grey (or silver) with a white
// edge one pixel right and down, the classic look of a disabled picture.
Bitmap kindGlyph(const glyphs::KindArt& art)
{
    constexpr int kCell = 18;
    checkSize(art.name, art.picture, kCell);
    const int height = int(art.picture.size());
    Bitmap bitmap(2 * kCell, height, kOlive);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < kCell; ++x) {
            const char c = art.picture[std::size_t(y)][std::size_t(x)];
            bitmap.set(x, y, colourIndex(c, kOlive));
            if (c == '.' && isShape(art.picture, x - 1, y - 1))
                bitmap.set(kCell + x, y, kWhite);
            else if (c != '.')
                bitmap.set(kCell + x, y,
                           art.silverWhenDisabled.find(c) != std::string_view::npos ? kSilver
                                                                                    : kGrey);
        }
    return bitmap;
}

Bitmap globeGlyph()
{
    constexpr int kCell = 16;
    checkSize("GLOBE", glyphs::kGlobe, kCell);
    Bitmap bitmap(2 * kCell, kCell, kPurple);
    // This picture's grey is one step darker than the standard palette's.
    bitmap.palette[kGrey] = {127, 127, 127};
    const auto& picture = glyphs::kGlobe;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const char c = picture[std::size_t(y)][std::size_t(x)];
            bitmap.set(x, y, colourIndex(c, kPurple));
            if (c == 'n')
                bitmap.set(kCell + x, y, kGrey);
            else if (c == '.' && y > 0 && x > 0 &&
                     picture[std::size_t(y - 1)][std::size_t(x - 1)] == 'n')
                bitmap.set(kCell + x, y, kWhite);
        }
    return bitmap;
}

// An uncompressed 4-bit Windows bitmap: file header, 40-byte info header, 16 palette
// entries (blue, green, red, 0), then the rows from the bottom up, each padded to a
// multiple of four bytes, the left pixel of each pair in the high nibble.
std::string encodeBmp(const Bitmap& bitmap)
{
    const unsigned rowBytes = (unsigned(bitmap.width) * 4 + 31) / 32 * 4;
    const unsigned dataOffset = 14 + 40 + 16 * 4;
    const unsigned imageSize = rowBytes * unsigned(bitmap.height);
    std::string out = "BM";
    put32(out, dataOffset + imageSize);
    put32(out, 0);
    put32(out, dataOffset);
    put32(out, 40);
    put32(out, unsigned(bitmap.width));
    put32(out, unsigned(bitmap.height));
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, 0);  // horizontal resolution: unspecified
    put32(out, 0);  // vertical resolution: unspecified
    put32(out, 16); // palette entries used
    put32(out, 0);  // all of them important
    for (const Rgb& c : bitmap.palette) {
        out += char(c.blue);
        out += char(c.green);
        out += char(c.red);
        out += '\0';
    }
    for (int y = bitmap.height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < bitmap.width; ++x) {
            const unsigned index = bitmap.pixels[std::size_t(y * bitmap.width + x)];
            row[std::size_t(x / 2)] = char(row[std::size_t(x / 2)] | (x % 2 ? index : index << 4));
        }
        out += row;
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> allFiles()
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const glyphs::KindArt& art : glyphs::kKindArt)
        files.emplace_back(std::string(art.name) + ".bmp", encodeBmp(kindGlyph(art)));
    files.emplace_back("GLOBE.bmp", encodeBmp(globeGlyph()));
    return files;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc == 3 && std::string_view(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s [--check] DIR\n", argv[0]);
        return 64;
    }
    const std::filesystem::path directory = argv[argc - 1];
    int differing = 0;
    for (const auto& [name, bytes] : allFiles()) {
        const auto path = directory / name;
        if (check) {
            if (readFile(path) != bytes) {
                std::fprintf(stderr, "%s differs from its pixel map\n", path.c_str());
                ++differing;
            }
            continue;
        }
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    return differing ? 1 : 0;
}
