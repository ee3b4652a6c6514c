#include "widgets/JpegPicture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <cstdio>
#include <jpeglib.h>
#include <random>
#include <vector>

namespace {

enum class Scans { Baseline, Progressive };

// Encodes `pixels` (width x height x components bytes) with libjpeg's own encoder, so the
// decoder is tried on real files of each kind without committed test pictures.
QByteArray encode(const std::vector<unsigned char>& pixels, int width, int height,
                  J_COLOR_SPACE space, int components, Scans scans)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (scans == Scans::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < height; ++y) {
        auto* row = const_cast<JSAMPROW>(pixels.data() + size_t(y) * width * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray file(reinterpret_cast<const char*>(buffer), qsizetype(size));
    free(buffer);
    return file;
}

// A smooth picture: red grows to the right, green downward, blue is constant.
constexpr int kWidth = 96, kHeight = 64;
QRgb gradientAt(int x, int y)
{
    return qRgb(x * 255 / (kWidth - 1), y * 255 / (kHeight - 1), 90);
}

QByteArray gradientFile(Scans scans)
{
    std::vector<unsigned char> pixels;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QRgb rgb = gradientAt(x, y);
            pixels.insert(pixels.end(), {uchar(qRed(rgb)), uchar(qGreen(rgb)), uchar(qBlue(rgb))});
        }
    return encode(pixels, kWidth, kHeight, JCS_RGB, 3, scans);
}

int largestChannelError(const QImage& image)
{
    int worst = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QRgb got = image.pixel(x, y), want = gradientAt(x, y);
            worst = std::max({worst, std::abs(qRed(got) - qRed(want)),
                              std::abs(qGreen(got) - qGreen(want)),
                              std::abs(qBlue(got) - qBlue(want))});
        }
    return worst;
}

bool hasProgressiveFrame(const QByteArray& file)
{
    return file.contains("\xFF\xC2");
}

TEST(JpegPicture, DecodesBaselineAndProgressiveFilesToTheirPixels)
{
    for (Scans scans : {Scans::Baseline, Scans::Progressive}) {
        const QByteArray file = gradientFile(scans);
        ASSERT_EQ(hasProgressiveFrame(file), scans == Scans::Progressive);
        const wb::JpegDecodeResult result = wb::decodeJpeg(file);
        ASSERT_EQ(result.image.size(), QSize(kWidth, kHeight));
        EXPECT_TRUE(result.complete) << result.error.toStdString();
        EXPECT_TRUE(result.error.isEmpty());
        EXPECT_LE(largestChannelError(result.image), 12);
    }
}

TEST(JpegPicture, GreyAndInvertedCmykFilesComeOutAsRgb)
{
    const std::vector<unsigned char> grey(16 * 16, 200);
    const wb::JpegDecodeResult greyResult =
        wb::decodeJpeg(encode(grey, 16, 16, JCS_GRAYSCALE, 1, Scans::Baseline));
    ASSERT_EQ(greyResult.image.size(), QSize(16, 16));
    EXPECT_NEAR(qRed(greyResult.image.pixel(8, 8)), 200, 2);
    EXPECT_NEAR(qBlue(greyResult.image.pixel(8, 8)), 200, 2);

    // Inverted inks, as Adobe writes them: 255 means no ink, so C=255 M=0 Y=255 K=255
    // is full magenta ink only.
    std::vector<unsigned char> cmyk;
    for (int i = 0; i < 16 * 16; ++i)
        cmyk.insert(cmyk.end(), {255, 0, 255, 255});
    const wb::JpegDecodeResult cmykResult =
        wb::decodeJpeg(encode(cmyk, 16, 16, JCS_CMYK, 4, Scans::Baseline));
    ASSERT_EQ(cmykResult.image.size(), QSize(16, 16));
    const QColor magenta = cmykResult.image.pixelColor(8, 8);
    EXPECT_GE(magenta.red(), 245);
    EXPECT_LE(magenta.green(), 10);
    EXPECT_GE(magenta.blue(), 245);
}

TEST(JpegPicture, ACutFileGivesWhatWasDecodedOrNothingAndSaysItIsIncomplete)
{
    for (Scans scans : {Scans::Baseline, Scans::Progressive}) {
        const QByteArray file = gradientFile(scans);
        for (int step = 1; step < 40; ++step) {
            const qsizetype length = file.size() * step / 40;
            SCOPED_TRACE(length);
            const wb::JpegDecodeResult result = wb::decodeJpeg(file.left(length));
            EXPECT_FALSE(result.complete);
            EXPECT_FALSE(result.error.isEmpty());
            if (!result.image.isNull()) {
                EXPECT_EQ(result.image.size(), QSize(kWidth, kHeight));
            }
        }
    }
}

TEST(JpegPicture, LateProgressiveScansMissingStillShowTheWholePicture)
{
    // Cutting off the last refinement scans leaves a complete, coarser picture.
    const QByteArray file = gradientFile(Scans::Progressive);
    const wb::JpegDecodeResult result = wb::decodeJpeg(file.left(file.size() * 9 / 10));
    ASSERT_EQ(result.image.size(), QSize(kWidth, kHeight));
    EXPECT_FALSE(result.complete);
    EXPECT_LE(largestChannelError(result.image), 40);
}

TEST(JpegPicture, GarbageAndEmptyInputGiveNoPicture)
{
    std::mt19937 random(7);
    QByteArray garbage(4096, '\0');
    for (char& byte : garbage)
        byte = char(random());
    QByteArray fakeStart = garbage;
    fakeStart[0] = char(0xFF);
    fakeStart[1] = char(0xD8); // a start-of-image marker, then noise
    for (const QByteArray& input : {QByteArray(), garbage, fakeStart, QByteArray("\xFF\xD8")}) {
        const wb::JpegDecodeResult result = wb::decodeJpeg(input);
        EXPECT_TRUE(result.image.isNull());
        EXPECT_FALSE(result.complete);
        EXPECT_FALSE(result.error.isEmpty());
    }
}

TEST(JpegPicture, AHeaderClaimingAHugePictureIsRefusedBeforeAllocating)
{
    QByteArray file = gradientFile(Scans::Baseline);
    const qsizetype frame = file.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    // Start-of-frame: marker, 2 length bytes, precision, then height and width big-endian.
    for (int field : {5, 7}) {
        file[frame + field] = char(0x40); // 16384
        file[frame + field + 1] = char(0x00);
    }
    const wb::JpegDecodeResult result = wb::decodeJpeg(file);
    EXPECT_TRUE(result.image.isNull());
    EXPECT_FALSE(result.complete);
    EXPECT_TRUE(result.error.contains("16384 x 16384")) << result.error.toStdString();
}

} // namespace
