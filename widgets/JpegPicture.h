#pragma once
// Decodes a JPEG file (baseline or progressive) held in memory into an image, through
// libjpeg. A damaged or cut file never ends the process: the result keeps what could be
// decoded, and says why it is incomplete. It does not read files or scale pictures.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace wb {

struct JpegDecodeResult {
    QImage image; // null when nothing could be decoded
    bool complete = false;
    QString error; // libjpeg's message for the first error or warning; empty when clean
};

JpegDecodeResult decodeJpeg(const QByteArray& data);

// Pictures larger than this are refused before any pixel memory is taken, so a header
// that claims a huge size cannot exhaust the memory.
inline constexpr qint64 kMaxJpegPixels = 64LL * 1024 * 1024;

} // namespace wb
