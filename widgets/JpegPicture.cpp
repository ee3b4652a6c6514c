#include "widgets/JpegPicture.h"

#include <QtEndian>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

namespace wb {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; the default
// one ends the process. Ours jumps back to the stage that called into the library.
struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool hasMessage;
};

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager errors;
    QImage* image;
    unsigned rowsDone;
};

ErrorManager& errorsOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager*>(info->err);
}

void keepFirstMessage(j_common_ptr info)
{
    ErrorManager& errors = errorsOf(info);
    if (errors.hasMessage)
        return;
    errors.base.format_message(info, errors.message);
    errors.hasMessage = true;
}

[[noreturn]] void jumpBack(j_common_ptr info)
{
    keepFirstMessage(info);
    std::longjmp(errorsOf(info).jump, 1);
}

// Warnings (a cut file, corrupt entropy data) are counted and kept, never printed.
void keepWarning(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    keepFirstMessage(info);
    ++info->err->num_warnings;
}

bool isCmyk(const jpeg_decompress_struct& info)
{
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// The stages below are the only frames that a longjmp crosses besides libjpeg's own, and
// they hold nothing that needs a destructor.
bool readHeader(Decoding& d, const unsigned char* bytes, unsigned long size)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_mem_src(&d.info, bytes, size);
    jpeg_read_header(&d.info, TRUE);
    if (isCmyk(d.info))
        d.info.out_color_space = JCS_CMYK;
    else
        d.info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_calc_output_dimensions(&d.info);
    return true;
}

// Adobe's CMYK files store the inks inverted, which is what every writer of them does.
void cmykToRgb(uchar* row, unsigned width)
{
    for (unsigned x = 0; x < width; ++x) {
        uchar* pixel = row + 4 * x;
        const unsigned c = pixel[0], m = pixel[1], y = pixel[2], k = pixel[3];
        const QRgb rgb = qRgb(c * k / 255, m * k / 255, y * k / 255);
        qToUnaligned<quint32>(rgb, pixel);
    }
}

bool readPixels(Decoding& d)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image->scanLine(int(d.info.output_scanline));
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            return false;
        if (isCmyk(d.info))
            cmykToRgb(row, d.info.output_width);
        ++d.rowsDone;
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

JpegDecodeResult decodeJpeg(const QByteArray& data)
{
    JpegDecodeResult result;
    Decoding d{};
    d.image = &result.image;
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = jumpBack;
    d.errors.base.emit_message = keepWarning;
    d.errors.base.output_message = keepFirstMessage;
    jpeg_create_decompress(&d.info);

    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    bool clean = readHeader(d, bytes, static_cast<unsigned long>(data.size()));
    if (clean) {
        const qint64 pixels = qint64(d.info.output_width) * d.info.output_height;
        if (pixels > kMaxJpegPixels) {
            clean = false;
            result.error = QStringLiteral("The picture is too large (%1 x %2)")
                               .arg(d.info.output_width)
                               .arg(d.info.output_height);
        } else {
            result.image =
                QImage(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB32);
            if (result.image.isNull()) {
                clean = false;
                result.error = QStringLiteral("Not enough memory for the picture");
            } else {
                result.image.fill(Qt::white);
                clean = readPixels(d);
            }
        }
    }
    jpeg_destroy_decompress(&d.info);

    if (d.rowsDone == 0 && !clean)
        result.image = QImage();
    if (d.errors.hasMessage && result.error.isEmpty())
        result.error = QString::fromLocal8Bit(d.errors.message);
    result.complete = clean && d.errors.base.num_warnings == 0;
    return result;
}

} // namespace wb
