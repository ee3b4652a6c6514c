#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/PixelMask.h"
#include "platform/VisualStyles.h"
#include "tests/support/WidgetTestSupport.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(TColor, SystemColoursFollowTheApplicationPaletteAtEveryUse)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(4, 5, 6));
    QApplication::setPalette(palette);
    EXPECT_EQ(clBtnFace.rgb(), qRgb(1, 2, 3));
    EXPECT_EQ(clBtnShadow.rgb(), qRgb(4, 5, 6));
    // A fixed colour is never looked up, even where its value equals a system colour's
    // number (0 is the button face's, 1 the shadow's).
    EXPECT_EQ(TColor(0, 0, 0).rgb(), qRgb(0, 0, 0));
    EXPECT_EQ(TColor(0, 0, 1).rgb(), qRgb(0, 0, 1));
    EXPECT_NE(TColor(0, 0, 0), clBtnFace);
    QApplication::setPalette(saved);
    EXPECT_EQ(clBtnFace.toQColor(), saved.color(QPalette::Active, QPalette::Button));
    EXPECT_NE(clBtnFace, TColor::fromQColor(clBtnFace.toQColor()));
}

TEST(PixelMask, FindsExactColoursAndZeroBitsAndPaintsWithAnOffset)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    image.setPixel(3, 2, qRgb(0, 0, 0));
    image.setPixel(2, 2, qRgb(0, 0, 1)); // nearly black is not black
    const PixelMask black = PixelMask::matching(image, QRect(1, 1, 3, 2), qRgb(0, 0, 0));
    EXPECT_EQ(black.count(), 2);
    EXPECT_TRUE(black.contains(0, 0));
    EXPECT_TRUE(black.contains(2, 1));

    QImage target(3, 2, QImage::Format_RGB32);
    target.fill(Qt::white);
    black.paintInto(target, Qt::red, QPoint(1, 1)); // (2, 1) falls outside and is dropped
    EXPECT_EQ(target.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(0, 0), qRgb(255, 255, 255));

    const QImage mono = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    const int zeroIndex = mono.color(0) == qRgb(0, 0, 0) ? 0 : 1;
    const PixelMask zeros = PixelMask::zeroBits(mono, mono.rect());
    EXPECT_EQ(zeros.contains(1, 1), zeroIndex == 0);
    EXPECT_EQ(zeros.contains(0, 0), zeroIndex != 0);
}

TEST(FocusRect, InvertsEveryOtherPixelOfTheOutlineOnly)
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(qRgb(200, 100, 50));
    QPainter painter(&image);
    const QRect rect(2, 2, 8, 6);
    drawFocusRect(painter, rect);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool onOutline =
                rect.contains(x, y) && !rect.adjusted(1, 1, -1, -1).contains(x, y);
            const QRgb expected =
                onOutline && (x + y) % 2 == 0 ? qRgb(55, 155, 205) : qRgb(200, 100, 50);
            EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(VisualStyles, ClassicFrameLeavesAnInteriorTwoPixelsInAndStylesFollowTheWidgetStyle)
{
    QImage image(30, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_EQ(drawClassicButtonFrame(painter, QRect(1, 1, 28, 18), false), QRect(3, 3, 24, 14));
    painter.end();
    EXPECT_EQ(image.pixel(15, 10), clBtnFace.rgb());

    loadStyleLibrary();
    QWidget widget;
    widget.setStyle(test::classicStyle());
    EXPECT_FALSE(stylesInUse(&widget));
    widget.setStyle(test::themedStyle());
    EXPECT_TRUE(stylesInUse(&widget));
}

TEST(Canvas, OutlineKeepsTheInteriorAndRectangleFillsIt)
{
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas;
    {
        const CanvasBinding binding(canvas, &image);
        EXPECT_TRUE(canvas.isBound());
        canvas.frameRect(QRect(0, 0, 6, 6), clBlack);
        canvas.rectangle(QRect(2, 2, 3, 3), clOlive, clNavy);
    }
    EXPECT_FALSE(canvas.isBound());
    EXPECT_EQ(image.pixel(0, 3), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 2), qRgb(128, 128, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(0, 0, 128));
}

} // namespace
} // namespace wb
