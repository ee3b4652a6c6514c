// The committed artwork as the windows load it from the resources: the formats,
// sizes and properties the layouts rely on, and the GIF block reader those checks
// are made with, on hand-written files that break each rule.
#include "tests/assets/GifStructure.h"

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
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
    const GifAsset assets[] = {
        {":/art/about.gif", {101, 30}},         {":/art/about@2x.gif", {202, 60}},
        {":/art/about-pressed.gif", {101, 30}}, {":/art/about-pressed@2x.gif", {202, 60}},
        {":/art/exit.gif", {101, 30}},          {":/art/exit@2x.gif", {202, 60}},
        {":/art/exit-pressed.gif", {101, 30}},  {":/art/exit-pressed@2x.gif", {202, 60}},
        {":/art/side.gif", {193, 281}},         {":/art/side@2x.gif", {386, 562}}};
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
    for (const char* name : {"about", "exit"})
        for (const char* twin : {"", "@2x"}) {
            SCOPED_TRACE(std::string(name) + twin);
            const QImage normal(QStringLiteral(":/art/%1%2.gif").arg(name, twin));
            const QImage pressed(QStringLiteral(":/art/%1-pressed%2.gif").arg(name, twin));
            const int scale = int(normal.devicePixelRatio());
            const QRect topEdge(QRect(2, 1, 97, 2).topLeft() * scale, QSize(97, 2) * scale);
            const QRect leftEdge(QRect(1, 2, 2, 26).topLeft() * scale, QSize(2, 26) * scale);
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
    const MaskedAsset assets[] = {
        {":/art/tab-english.bmp", {16, 16}}, {":/art/tab-english@2x.bmp", {32, 32}},
        {":/art/tab-german.bmp", {16, 16}},  {":/art/tab-german@2x.bmp", {32, 32}},
        {":/art/www.bmp", {24, 25}},         {":/art/www@2x.bmp", {48, 50}}};
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
    for (const auto& [path, size] : {std::pair{":/art/photograph.jpg", QSize(306, 322)},
                                     std::pair{":/art/photograph@2x.jpg", QSize(612, 644)}}) {
        SCOPED_TRACE(path);
        const QByteArray jpeg = resource(path);
        ASSERT_EQ(jpeg.left(2), QByteArray("\xff\xd8", 2));
        EXPECT_EQ(framesBeforeFirstScan(jpeg), std::vector<int>{0xc2});
        const QImage photo = QImage::fromData(jpeg);
        ASSERT_EQ(photo.size(), size);
        // A photograph has thousands of colours, where a drawing has a few flat ones.
        std::set<QRgb> colours;
        for (int y = 0; y < photo.height(); y += 2)
            for (int x = 0; x < photo.width(); x += 2)
                colours.insert(photo.pixel(x, y));
        EXPECT_GT(colours.size(), 5000u);
    }
}

// The mean difference of the colour channels, 0 to 255, of two images of one size.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// A twin drawn with a stretched gradient, a shifted shape or the wrong picture differs
// from the original by far more than the finer detail does once it is shrunk.
TEST(DoubledPictures, ShowTheirPictureAtTwiceTheSizeWithARatioOfTwoFromTheirName)
{
    for (const char* name :
         {"about.gif", "about-pressed.gif", "exit.gif", "exit-pressed.gif", "side.gif",
          "tab-english.bmp", "tab-german.bmp", "www.bmp", "photograph.jpg"}) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(":/art/") + name;
        const QImage normal(path);
        const QImage twin(QString(path).replace('.', "@2x."));
        ASSERT_FALSE(normal.isNull());
        ASSERT_EQ(twin.size(), normal.size() * 2);
        EXPECT_EQ(twin.devicePixelRatio(), 2);
        EXPECT_EQ(twin.deviceIndependentSize(), QSizeF(normal.size()));
        const QImage shrunk =
            twin.convertToFormat(QImage::Format_RGB32)
                .scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(shrunk, normal.convertToFormat(QImage::Format_RGB32)), 8);
    }
}

} // namespace
