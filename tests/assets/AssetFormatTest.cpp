// The committed artwork as the windows load it from the resources: the formats,
// sizes and properties the layouts rely on, and the GIF block reader those checks
// are made with, on hand-written files that break each rule.
#include "tests/assets/GifStructure.h"

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

using wb::test::readGifStructure;

QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 1 x 1 GIF89a with a two-entry global table, in front of `blocks` and the trailer.
QByteArray tinyGif(const QByteArray& blocks)
{
    const QByteArray header("GIF89a"
                            "\x01\x00\x01\x00" // screen 1 x 1
                            "\x80\x00\x00"     // global table of 2 entries
                            "\x00\x00\x00\xff\xff\xff",
                            19);
    return header + blocks + "\x3b";
}

const QByteArray kImage("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00" // descriptor, no local table
                        "\x02\x02\x44\x01\x00",                    // LZW data, end
                        15);

TEST(GifStructureReader, CountsImagesAndSeesTheTransparentFlag)
{
    const auto plain = readGifStructure(tinyGif(kImage));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->version, "89a");
    EXPECT_EQ(plain->screen, QSize(1, 1));
    EXPECT_EQ(plain->globalTableSize, 2);
    EXPECT_EQ(plain->imageCount, 1);
    EXPECT_FALSE(plain->hasTransparentColour);

    const QByteArray transparent("\x21\xf9\x04\x01\x00\x00\x00\x00", 8); // flag set, index 0
    const QByteArray opaque("\x21\xf9\x04\x00\x0a\x00\x00\x00", 8);      // a delay only
    EXPECT_TRUE(readGifStructure(tinyGif(transparent + kImage))->hasTransparentColour);
    EXPECT_FALSE(readGifStructure(tinyGif(opaque + kImage))->hasTransparentColour);
    EXPECT_EQ(readGifStructure(tinyGif(kImage + kImage))->imageCount, 2);
}

TEST(GifStructureReader, RejectsWhatDoesNotReachTheTrailer)
{
    const QByteArray whole = tinyGif(kImage);
    for (qsizetype length : {0, 5, 12, 20, 28, 33, 34})
        EXPECT_FALSE(readGifStructure(whole.left(length))) << "cut at " << length;
    EXPECT_FALSE(readGifStructure(tinyGif("\x99")));
    EXPECT_FALSE(readGifStructure("PNG89a"));
}

struct GifAsset {
    const char* path;
    QSize size;
};

TEST(GifAssets, OneOpaqueImageWithAFullGlobalTableAtTheLayoutSize)
{
    const GifAsset assets[] = {{":/art/about.gif", {101, 30}},
                               {":/art/about-pressed.gif", {101, 30}},
                               {":/art/exit.gif", {101, 30}},
                               {":/art/exit-pressed.gif", {101, 30}},
                               {":/art/side.gif", {193, 281}}};
    for (const GifAsset& asset : assets) {
        SCOPED_TRACE(asset.path);
        const auto gif = readGifStructure(resource(asset.path));
        ASSERT_TRUE(gif);
        EXPECT_EQ(gif->version, "89a");
        EXPECT_EQ(gif->screen, asset.size);
        EXPECT_EQ(gif->globalTableSize, 256);
        EXPECT_EQ(gif->imageCount, 1);
        EXPECT_FALSE(gif->hasTransparentColour);
        const QImage image(asset.path);
        EXPECT_EQ(image.size(), asset.size);
        EXPECT_FALSE(image.hasAlphaChannel());
    }
}

double meanLightness(const QImage& image, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += QColor(image.pixel(x, y)).lightnessF();
    return sum / (area.width() * area.height());
}

TEST(GifAssets, PressedPicturesAreShadedInsideAlongTheTopAndLeft)
{
    for (const char* name : {"about", "exit"}) {
        SCOPED_TRACE(name);
        const QImage normal(QStringLiteral(":/art/%1.gif").arg(name));
        const QImage pressed(QStringLiteral(":/art/%1-pressed.gif").arg(name));
        const QRect topEdge(2, 1, 97, 2), leftEdge(1, 2, 2, 26);
        EXPECT_LT(meanLightness(pressed, topEdge), meanLightness(normal, topEdge) - 0.1);
        EXPECT_LT(meanLightness(pressed, leftEdge), meanLightness(normal, leftEdge) - 0.05);
    }
}

std::uint32_t littleEndian(const QByteArray& bytes, int offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[offset + i]);
    return value;
}

struct MaskedAsset {
    const char* path;
    QSize size;
};

TEST(MaskedAssets, EightBitBitmapsWithTheMaskColourAtTheTopLeftAndAPictureInside)
{
    const MaskedAsset assets[] = {{":/art/tab-english.bmp", {16, 16}},
                                  {":/art/tab-german.bmp", {16, 16}},
                                  {":/art/www.bmp", {24, 25}}};
    for (const MaskedAsset& asset : assets) {
        SCOPED_TRACE(asset.path);
        const QByteArray bytes = resource(asset.path);
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(littleEndian(bytes, 18, 4), std::uint32_t(asset.size.width()));
        EXPECT_EQ(littleEndian(bytes, 22, 4), std::uint32_t(asset.size.height()));
        EXPECT_EQ(littleEndian(bytes, 28, 2), 8u); // bits per pixel
        const QImage image(asset.path);
        ASSERT_EQ(image.size(), asset.size);
        const QRgb mask = image.pixel(0, 0);
        EXPECT_EQ(mask, qRgb(255, 0, 255));
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += image.pixel(x, y) != mask;
        EXPECT_GT(opaque, image.width() * image.height() / 2);
    }
}

TEST(ProgramIcon, PngsAtEachSizeWithTransparentCornersAndAScalableSvg)
{
    for (int size : {32, 48, 128}) {
        SCOPED_TRACE(size);
        const QImage icon(QStringLiteral(":/art/icon-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
    QXmlStreamReader svg(resource(":/art/woerterbuch.svg"));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QLatin1String("svg"));
    EXPECT_EQ(svg.attributes().value("viewBox"), QLatin1String("0 0 128 128"));
    int paths = 0;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == QLatin1String("path"))
            ++paths;
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(paths, 5);
}

// The start-of-frame markers before the first scan: SOF0 is baseline, SOF2 progressive.
std::vector<int> framesBeforeFirstScan(const QByteArray& jpeg)
{
    std::vector<int> frames;
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        if (std::uint8_t(jpeg[at]) != 0xff)
            return frames;
        const int marker = std::uint8_t(jpeg[at + 1]);
        if (marker == 0xda) // start of scan
            return frames;
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xcc)
            frames.push_back(marker);
        at += 2 + (std::uint8_t(jpeg[at + 2]) << 8 | std::uint8_t(jpeg[at + 3]));
    }
    return frames;
}

TEST(Photograph, AProgressiveJpegOfTheDialogSizeThatLooksLikeAPhotograph)
{
    const QByteArray jpeg = resource(":/art/photograph.jpg");
    ASSERT_EQ(jpeg.left(2), QByteArray("\xff\xd8", 2));
    EXPECT_EQ(framesBeforeFirstScan(jpeg), std::vector<int>{0xc2});
    const QImage photo = QImage::fromData(jpeg);
    ASSERT_EQ(photo.size(), QSize(306, 322));
    // A photograph has thousands of colours, where a drawing has a few flat ones.
    std::set<QRgb> colours;
    for (int y = 0; y < photo.height(); y += 2)
        for (int x = 0; x < photo.width(); x += 2)
            colours.insert(photo.pixel(x, y));
    EXPECT_GT(colours.size(), 5000u);
}

} // namespace
