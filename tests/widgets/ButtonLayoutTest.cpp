#include "widgets/ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

using wb::placeGlyphAndCaption;

const QSize kCheckGlyph(18, 18);
const QSize kSearchCaption(46, 13); // "Suchen..." in the dialog font

TEST(PlaceGlyphAndCaption, SearchButtonGroupIsCentredWhetherOrNotActiveAndMovesWhenPressed)
{
    // Themed and inactive: the whole button; active: one pixel in; pressed: one
    // pixel in and moved by one.
    for (const QRect content : {QRect(0, 0, 97, 25), QRect(1, 1, 95, 23)}) {
        const auto place =
            placeGlyphAndCaption(content, kCheckGlyph, kSearchCaption, blGlyphLeft, -1, 4);
        EXPECT_EQ(place.glyph, QPoint(15, 4));
        EXPECT_EQ(place.caption, QRect(QPoint(37, 6), QPoint(82, 18))); // (37,6)-(83,19)
    }
    const auto pressed =
        placeGlyphAndCaption(QRect(2, 2, 95, 23), kCheckGlyph, kSearchCaption, blGlyphLeft, -1, 4);
    EXPECT_EQ(pressed.glyph, QPoint(16, 5));
    EXPECT_EQ(pressed.caption, QRect(QPoint(38, 7), QPoint(83, 19)));
}

TEST(PlaceGlyphAndCaption, AutomaticMarginAndSpacingGiveEqualThirds)
{
    const auto place =
        placeGlyphAndCaption(QRect(0, 0, 97, 25), kCheckGlyph, kSearchCaption, blGlyphLeft, -1, -1);
    EXPECT_EQ(place.glyph.x(), 11); // (97 - 64) div 3
    EXPECT_EQ(place.caption.left(), 40);
    EXPECT_EQ(97 - place.caption.right() - 1, 11);
}

TEST(PlaceGlyphAndCaption, FixedMarginPutsTheGlyphAtThatDistanceFromItsSide)
{
    const QRect content(3, 2, 90, 30);
    const auto left = placeGlyphAndCaption(content, kCheckGlyph, kSearchCaption, blGlyphLeft, 0, 4);
    EXPECT_EQ(left.glyph.x(), content.left());
    const auto right =
        placeGlyphAndCaption(content, kCheckGlyph, kSearchCaption, blGlyphRight, 5, 4);
    EXPECT_EQ(right.glyph.x() + 18, content.left() + content.width() - 5);
    const auto bottom =
        placeGlyphAndCaption(QRect(0, 0, 60, 60), kCheckGlyph, kSearchCaption, blGlyphBottom, 2, 4);
    EXPECT_EQ(bottom.glyph.y() + 18, 58);
    // Automatic spacing centres the caption in the room after the glyph.
    const auto spread =
        placeGlyphAndCaption(QRect(0, 0, 100, 25), kCheckGlyph, kSearchCaption, blGlyphLeft, 2, -1);
    EXPECT_EQ(spread.caption.left() - 20, 100 - spread.caption.right() - 1);
}

TEST(PlaceGlyphAndCaption, GlyphAndCaptionKeepTheSpacingAndNeverOverlapAtAnySize)
{
    for (const TButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom})
        for (int size = 20; size <= 200; size += 7)
            for (int spacing : {0, 4, 9}) {
                const auto place = placeGlyphAndCaption(QRect(5, 5, size, size), kCheckGlyph,
                                                        kSearchCaption, layout, -1, spacing);
                const QRect glyph(place.glyph, kCheckGlyph);
                EXPECT_FALSE(glyph.intersects(place.caption)) << layout << " " << size;
                const int gap = layout == blGlyphLeft    ? place.caption.left() - glyph.right() - 1
                                : layout == blGlyphRight ? glyph.left() - place.caption.right() - 1
                                : layout == blGlyphTop   ? place.caption.top() - glyph.bottom() - 1
                                                         : glyph.top() - place.caption.bottom() - 1;
                EXPECT_EQ(gap, spacing) << layout << " " << size;
            }
}

TEST(PlaceGlyphAndCaption, AMissingPartCentresTheOtherWithoutSpacing)
{
    const auto captionOnly =
        placeGlyphAndCaption(QRect(0, 0, 97, 25), QSize(0, 0), kSearchCaption, blGlyphLeft, -1, 4);
    EXPECT_EQ(captionOnly.caption.topLeft(), QPoint(26, 6)); // (97 - 46 + 1) div 2
    const auto glyphOnly =
        placeGlyphAndCaption(QRect(0, 0, 97, 25), kCheckGlyph, QSize(0, 0), blGlyphTop, -1, 4);
    EXPECT_EQ(glyphOnly.glyph, QPoint(40, 4));
}

TEST(PlaceGlyphAndCaption, AGroupTooWideOverhangsOnBothSides)
{
    const auto place =
        placeGlyphAndCaption(QRect(0, 0, 40, 25), kCheckGlyph, kSearchCaption, blGlyphLeft, -1, 4);
    EXPECT_EQ(place.glyph.x(), -13); // (40 - 68 + 1) div 2, truncated toward zero
    EXPECT_EQ(place.caption.right(), 40 + 14);
}

} // namespace
