#include "widgets/LabelLayout.h"

#include <gtest/gtest.h>

namespace {

// Rectangles by their edges, right and bottom one past the last pixel.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

TEST(LabelShadowOffset, EachPositionMovesBothAxesByTheSize)
{
    EXPECT_EQ(shadowOffset(spLeftTop, 1), QPoint(-1, -1));
    EXPECT_EQ(shadowOffset(spLeftBottom, 2), QPoint(-2, 2));
    EXPECT_EQ(shadowOffset(spRightBottom, 3), QPoint(3, 3));
    EXPECT_EQ(shadowOffset(spRightTop, 255), QPoint(255, -255));
    EXPECT_EQ(shadowOffset(spRightTop, 0), QPoint(0, 0));
}

TEST(LabelCaptionBlock, CentreAndBottomPlaceTheMeasuredBlockWithoutTheNarrowing)
{
    // One 13-pixel line with the default shadow, measured from the top of a 57-high
    // label: the block runs from y = -1 to 13.
    const QRect measured = edges(0, -1, 40, 13);
    const QSize client(161, 57);
    EXPECT_EQ(placeCaptionBlock(measured, client, tlCenter, 0, 0), edges(0, 21, 161, 35));
    EXPECT_EQ(placeCaptionBlock(measured, client, tlBottom, 0, 0), edges(0, 43, 161, 57));
    EXPECT_EQ(placeCaptionBlock(measured, client, tlTop, 0, 0), measured);
    EXPECT_EQ(placeCaptionBlock(measured, client, tlCenter, 3, 4), edges(3, 21, 157, 35));
    EXPECT_EQ(placeCaptionBlock(measured, {161, 58}, tlCenter, 0, 0).top(), 21); // 45 / 2 = 22
}

TEST(LabelCaptionBlock, ABlockHigherThanTheLabelMovesUpTruncatedTowardZero)
{
    const QRect measured = edges(0, -1, 40, 13);
    EXPECT_EQ(placeCaptionBlock(measured, {50, 10}, tlCenter, 0, 0).top(), -2); // -3 / 2 = -1
    EXPECT_EQ(placeCaptionBlock(measured, {50, 10}, tlBottom, 0, 0).top(), -4);
}

TEST(LabelWorkingRect, InsetsAndOnePixelMoreOnEitherSide)
{
    EXPECT_EQ(captionWorkingRect({65, 17}, 0, 0), edges(1, 0, 64, 17));
    EXPECT_EQ(captionWorkingRect({65, 17}, 2, 5), edges(3, 0, 59, 17));
}

TEST(LabelFit, SizeIsTheMeasuredRightAndBottomEdgePlusOne)
{
    // Text 30 wide and 13 high measured from (1, 0) with a 1-pixel shadow.
    const QRect bounds(100, 20, 65, 17);
    const QRect leftTop = edges(0, -1, 31, 13);
    EXPECT_EQ(fittedBounds(bounds, leftTop, taLeftJustify, 0, 0), QRect(100, 20, 32, 13));
    const QRect rightBottom = edges(1, 0, 32, 14);
    EXPECT_EQ(fittedBounds(bounds, rightBottom, taCenter, 0, 0), QRect(100, 20, 33, 14));
    EXPECT_EQ(fittedBounds(bounds, leftTop, taLeftJustify, 2, 3), QRect(100, 20, 35, 13));
}

TEST(LabelFit, RightJustifiedKeepsTheRightEdgeWhetherGrowingOrShrinking)
{
    for (const int right : {31, 200}) {
        const QRect bounds(100, 20, 65, 17);
        const QRect fitted = fittedBounds(bounds, edges(0, -1, right, 13), taRightJustify, 0, 0);
        EXPECT_EQ(fitted.x() + fitted.width(), 165) << right;
        EXPECT_EQ(fitted.width(), right + 1);
    }
    EXPECT_EQ(effectiveAlignment(taLeftJustify, true), taRightJustify);
    EXPECT_EQ(effectiveAlignment(taRightJustify, true), taLeftJustify);
    EXPECT_EQ(effectiveAlignment(taCenter, true), taCenter);
    EXPECT_EQ(effectiveAlignment(taLeftJustify, false), taLeftJustify);
}

TEST(LabelMnemonic, TheLastAmpersandLetterCountsAndDoubledAmpersandsArePassedOver)
{
    struct Case {
        const char16_t* caption;
        std::optional<QChar> mnemonic;
    };
    const Case cases[] = {
        {u"&Name", QChar(u'N')},
        {u"Na&me", QChar(u'm')},
        {u"&Ab&c", QChar(u'c')},
        {u"A&&N", std::nullopt},
        {u"A&&&N", QChar(u'N')},
        {u"Name&", std::nullopt},
        {u"", std::nullopt},
        {u"&", std::nullopt},
        {u"&1", QChar(u'1')},
        {u"&\U0001F600x", std::nullopt},
        {u"\U0001F600&x", QChar(u'x')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mnemonicCharacter(QString::fromUtf16(c.caption)), c.mnemonic)
            << QString::fromUtf16(c.caption).toStdString();
}

} // namespace
