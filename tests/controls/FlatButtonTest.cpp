#include "controls/FlatButton.h"
#include "tests/support/WidgetTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(TFlatButton, ShowsItsGlyphUnscaledLeftOfTheCaptionAndTakesNoFocus)
{
    QWidget window;
    auto* button = new TFlatButton(&window);
    QImage glyph(24, 25, QImage::Format_RGB32);
    glyph.fill(qRgb(0, 0, 160));
    button->setGlyph(glyph);
    button->setCaption("www.example.de");
    button->setGeometry(5, 5, 137, 33);
    int clicks = 0;
    button->OnClick = [&clicks] { ++clicks; };
    ASSERT_TRUE(test::showActive(window));

    const QImage shown = test::render(*button);
    QRect glyphPixels;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) == glyph.pixel(0, 0))
                glyphPixels |= QRect(x, y, 1, 1);
    EXPECT_EQ(glyphPixels.size(), QSize(24, 25));
    EXPECT_GT(button->width() - glyphPixels.right(),
              button->fontMetrics().horizontalAdvance(button->Caption()));
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace wb
