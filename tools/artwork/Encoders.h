#pragma once
// The file formats the artwork is written in. Every encoder returns the whole file.
// The palette formats keep an exact colour exact (a mask colour, say) and reduce the
// rest to the table size by median cut, dithering what was reduced.
#include <QImage>
#include <optional>
#include <string>

namespace artwork {

// A single-image GIF89a with a 256-entry global colour table and no extension blocks,
// so no colour in it is transparent.
std::string encodeGif(const QImage& image);
// An uncompressed 8-bit Windows bitmap with a 256-entry palette.
std::string encodeBmp8(const QImage& image, std::optional<QRgb> exactColor = std::nullopt);
// A progressive baseline-Huffman JPEG (SOF2) of the given quality.
std::string encodeProgressiveJpeg(const QImage& image, int quality);
std::string encodePng(const QImage& image);

} // namespace artwork
