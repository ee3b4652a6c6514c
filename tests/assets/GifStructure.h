#pragma once
// What the asset tests need to know of a GIF file's block structure: the version,
// the logical screen, the global colour table, how many images it holds and whether
// any Graphic Control Extension makes a colour transparent. Pixels are not decoded.
#include <QByteArray>
#include <QSize>
#include <optional>

namespace wb::test {

struct GifStructure {
    QByteArray version; // "87a" or "89a"
    QSize screen;
    int globalTableSize = 0; // entries; 0 without a global table
    int imageCount = 0;
    bool hasTransparentColour = false;
};

// The structure of `bytes`, or nothing when the blocks do not parse to the trailer.
std::optional<GifStructure> readGifStructure(const QByteArray& bytes);

} // namespace wb::test
