#include "platform/Colors.h"
#include "widgets/ButtonGlyph.h"
#include "widgets/ButtonsXP.h"
#include "widgets/GlyphCache.h"
#include "widgets/KindGlyphs.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using wb::kindGlyph;
using wb::kindPreset;

std::set<QRgb> colours(const QImage& image, const QRect& area)
{
    std::set<QRgb> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

QImage strip(int width, int height, QRgb fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

const QRgb kOlive = qRgb(128, 128, 0);
const QRgb kTransparent = qRgba(0, 0, 0, 0);

TEST(KindGlyphAssets, TwoCellsOnOliveWithADisabledCellInWhiteGreyAndSilverOnly)
{
    for (int k = bkOK; k <= bkAll; ++k) {
        const auto kind = TBitBtnXPKind(k);
        const QImage glyph = kindGlyph(kind);
        SCOPED_TRACE(kindPreset(kind).asset);
        ASSERT_EQ(glyph.size(), QSize(36, kind == bkAll ? 19 : 18));
        EXPECT_LE(glyph.colorCount(), 16);
        EXPECT_EQ(glyph.pixel(0, glyph.height() - 1), kOlive);
        EXPECT_EQ(glyph.pixel(0, 0), kOlive);
        EXPECT_EQ(glyph.pixel(18, 0), kOlive);
        EXPECT_GT(colours(glyph, QRect(0, 0, 18, glyph.height())).size(), 1u);
        std::set<QRgb> allowed = {kOlive, qRgb(255, 255, 255), qRgb(128, 128, 128)};
        if (kind == bkClose)
            allowed.insert(qRgb(192, 192, 192));
        for (QRgb colour : colours(glyph, QRect(18, 0, 18, glyph.height())))
            EXPECT_TRUE(allowed.count(colour)) << std::hex << colour;
    }
    EXPECT_TRUE(kindGlyph(bkCustom).isNull());
}

TEST(KindGlyphAssets, GlobeIsTwoCellsOnPurpleWithADarkGreyAndWhiteSecondCell)
{
    const QImage globe(QStringLiteral(":/glyphs/GLOBE.bmp"));
    ASSERT_EQ(globe.size(), QSize(32, 16));
    const QRgb purple = qRgb(128, 0, 128);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 15), QPoint(31, 15)})
        EXPECT_EQ(globe.pixel(corner), purple);
    EXPECT_EQ(colours(globe, QRect(16, 0, 16, 16)),
              (std::set<QRgb>{purple, qRgb(127, 127, 127), qRgb(255, 255, 255)}));
}

TEST(TButtonGlyph, CellCountFollowsTheImageShape)
{
    TButtonGlyph glyph;
    glyph.setGlyph(strip(36, 18, kOlive));
    EXPECT_EQ(glyph.NumGlyphs(), 2);
    glyph.setGlyph(strip(32, 16, kOlive));
    EXPECT_EQ(glyph.NumGlyphs(), 2);
    glyph.setGlyph(strip(90, 18, kOlive)); // five cells are more than there can be
    EXPECT_EQ(glyph.NumGlyphs(), 1);
    glyph.setNumGlyphs(3);
    glyph.setGlyph(strip(100, 18, kOlive)); // not a whole multiple: unchanged
    EXPECT_EQ(glyph.NumGlyphs(), 3);
    glyph.setNumGlyphs(0);
    EXPECT_EQ(glyph.NumGlyphs(), 3);
    EXPECT_EQ(glyph.cellSize(), QSize(33, 18));

    TBitBtnXP button;
    button.setNumGlyphs(7);
    EXPECT_EQ(button.NumGlyphs(), 4);
}

TEST(TButtonGlyph, TransparentColourIsTheBottomLeftPixelOrWhiteForTwoColours)
{
    TButtonGlyph glyph;
    EXPECT_EQ(glyph.transparentColor(), kOlive);
    QImage image = strip(16, 16, qRgb(1, 2, 3));
    image.setPixel(0, 15, qRgb(9, 8, 7));
    glyph.setGlyph(image);
    EXPECT_EQ(glyph.transparentColor(), qRgb(9, 8, 7));
    glyph.setGlyph(QImage(16, 16, QImage::Format_Mono));
    EXPECT_EQ(glyph.transparentColor(), qRgb(255, 255, 255));
}

// The cache belongs to the process and lives exactly as long as some glyph does. The
// slot numbers below are this test's own only when no glyph of another test is alive
// before it, and the glyphs it makes are gone, with the cache, by its end.
struct ProcessGlyphCache : ::testing::Test {
    void SetUp() override
    {
        ASSERT_EQ(TGlyphCache::instance(), nullptr) << "a glyph outlived an earlier test";
    }
    void TearDown() override { EXPECT_EQ(TGlyphCache::instance(), nullptr); }
};

TEST_F(ProcessGlyphCache, OneListPerCellSizeWhoseReleasedSlotsAreReusedLowestFirst)
{
    {
        TButtonGlyph a, b, c;
        a.setGlyph(kindGlyph(bkOK));
        b.setGlyph(kindGlyph(bkCancel));
        c.setGlyph(strip(32, 16, kOlive));
        EXPECT_EQ(a.prepareStateImage(gsUp), 0);
        EXPECT_EQ(b.prepareStateImage(gsUp), 1);
        EXPECT_EQ(a.prepareStateImage(gsDown), 0); // no third cell: the up picture
        EXPECT_EQ(a.prepareStateImage(gsDisabled), 2);
        c.prepareStateImage(gsUp);
        EXPECT_EQ(a.glyphList(), b.glyphList());
        EXPECT_NE(a.glyphList(), c.glyphList());
        ASSERT_NE(TGlyphCache::instance(), nullptr);
        EXPECT_EQ(TGlyphCache::instance()->listCount(), 2);

        const TGlyphList* shared = a.glyphList();
        a.setGlyph(kindGlyph(bkYes)); // frees slots 0 and 2
        EXPECT_EQ(shared->usedCount(), 1);
        EXPECT_EQ(a.prepareStateImage(gsDisabled), 0);
        EXPECT_EQ(a.prepareStateImage(gsUp), 2);
        EXPECT_EQ(shared->count(), 3); // the list did not grow

        c.setGlyph(QImage()); // its list has no used slot left and goes
        EXPECT_EQ(TGlyphCache::instance()->listCount(), 1);
        EXPECT_EQ(c.prepareStateImage(gsUp), -1);
    }
}

// A two-cell strip 4 x 4 per cell on olive; the second cell holds white, grey and an
// ordinary colour.
QImage twoCellStrip()
{
    QImage image = strip(8, 4, kOlive);
    image.setPixel(4 + 1, 1, qRgb(255, 255, 255));
    image.setPixel(4 + 2, 1, qRgb(128, 128, 128));
    image.setPixel(4 + 3, 3, qRgb(200, 0, 0));
    image.setPixel(1, 1, qRgb(0, 0, 0)); // in the up cell only
    return image;
}

TEST(TButtonGlyph, DisabledPictureOfASecondCellUsesTheCurrentThreeDColours)
{
    TButtonGlyph glyph;
    glyph.setGlyph(twoCellStrip());
    EXPECT_EQ(glyph.glyphList(), nullptr); // prepared on first need only
    const int slot = glyph.prepareStateImage(gsDisabled);
    const QImage disabled = glyph.glyphList()->image(slot);
    EXPECT_EQ(disabled.pixel(1, 1), clBtnHighlight.rgb());
    EXPECT_EQ(disabled.pixel(2, 1), clBtnShadow.rgb());
    EXPECT_EQ(disabled.pixel(3, 3), qRgb(200, 0, 0));
    EXPECT_EQ(disabled.pixel(0, 0), kTransparent);
    EXPECT_EQ(disabled.pixel(2, 2), kTransparent);
}

TEST(TButtonGlyph, DisabledPictureOfOneCellEmbossesTheBlackPixels)
{
    QImage image = strip(4, 4, kOlive);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 0));
    image.setPixel(3, 3, qRgb(0, 0, 0)); // its highlight falls outside and is dropped
    image.setPixel(0, 3, qRgb(10, 10, 10));
    TButtonGlyph glyph;
    glyph.setGlyph(image);
    const int slot = glyph.prepareStateImage(gsDisabled);
    const QImage disabled = glyph.glyphList()->image(slot);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool dark = image.pixel(x, y) == qRgb(0, 0, 0);
            const bool lit = x > 0 && y > 0 && image.pixel(x - 1, y - 1) == qRgb(0, 0, 0);
            const QRgb expected = dark  ? clBtnShadow.rgb()
                                  : lit ? clBtnHighlight.rgb()
                                        : kTransparent; // the face, masked out
            EXPECT_EQ(disabled.pixel(x, y), expected) << x << "," << y;
        }
}

} // namespace
