#include "controls/Panel.h"
#include "tests/support/WidgetTestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace wb {
namespace {

constexpr QRgb Shadow = qRgb(10, 20, 30);
constexpr QRgb Highlight = qRgb(250, 240, 230);
constexpr QRgb Fill = qRgb(240, 202, 166); // a fixed colour, none of the palette's

// A palette whose 3-D colours differ from each other and from every panel colour.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = QApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::Dark, QColor(Shadow));
        palette.setColor(QPalette::Light, QColor(Highlight));
        QApplication::setPalette(palette);
        panel.resize(10, 8);
        panel.setColor(TColor::fromQColor(QColor(Fill)));
    }
    void TearDown() override { QApplication::setPalette(saved); }

    // The colours of ring `inset` of `image` (0 the outermost), keyed by edge.
    struct Ring {
        QRgb topLeft, top, topRight, left, right, bottomLeft, bottom, bottomRight;
    };
    static Ring ring(const QImage& image, int inset)
    {
        const int l = inset, t = inset, r = image.width() - 1 - inset,
                  b = image.height() - 1 - inset;
        return {image.pixel(l, t),     image.pixel(l + 2, t), image.pixel(r, t),
                image.pixel(l, t + 2), image.pixel(r, t + 2), image.pixel(l, b),
                image.pixel(l + 2, b), image.pixel(r, b)};
    }
    static void expectLowered(const Ring& ring)
    {
        EXPECT_EQ(ring.topLeft, Shadow);
        EXPECT_EQ(ring.top, Shadow);
        EXPECT_EQ(ring.left, Shadow);
        EXPECT_EQ(ring.topRight, Highlight);
        EXPECT_EQ(ring.bottomLeft, Highlight);
        EXPECT_EQ(ring.right, Highlight);
        EXPECT_EQ(ring.bottom, Highlight);
        EXPECT_EQ(ring.bottomRight, Highlight);
    }
    static void expectRaised(const Ring& ring)
    {
        EXPECT_EQ(ring.topLeft, Highlight);
        EXPECT_EQ(ring.top, Highlight);
        EXPECT_EQ(ring.left, Highlight);
        EXPECT_EQ(ring.topRight, Shadow);
        EXPECT_EQ(ring.bottomLeft, Shadow);
        EXPECT_EQ(ring.right, Shadow);
        EXPECT_EQ(ring.bottom, Shadow);
        EXPECT_EQ(ring.bottomRight, Shadow);
    }
    static int countPixels(const QImage& image, QRgb colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == colour;
        return count;
    }

    QPalette saved;
    TPanel panel;
};

TEST_F(PanelTest, BevelledIsAnOuterLoweredRingAroundAnInnerRaisedOne)
{
    panel.setBevelled();
    const QImage image = test::render(panel);
    expectLowered(ring(image, 0));
    expectRaised(ring(image, 1));
    EXPECT_EQ(countPixels(image, Fill), (10 - 4) * (8 - 4));
    EXPECT_EQ(panel.clientRect(), QRect(2, 2, 6, 4));
}

TEST_F(PanelTest, OuterLoweredOnlyHasOneRingAndTheColourInside)
{
    panel.setOuterLowered();
    const QImage image = test::render(panel);
    expectLowered(ring(image, 0));
    EXPECT_EQ(countPixels(image, Fill), (10 - 2) * (8 - 2));
    EXPECT_EQ(panel.clientRect(), QRect(1, 1, 8, 6));
}

TEST_F(PanelTest, FlatIsTheColourEverywhereAndAlignsToTheEdges)
{
    panel.setFlat();
    EXPECT_EQ(countPixels(test::render(panel), Fill), 10 * 8);
    EXPECT_EQ(panel.clientRect(), panel.rect());
}

TEST_F(PanelTest, PaintsEveryPixelItselfInTheColourOfTheMoment)
{
    // render() fills the image with magenta first; an opaque panel leaves none of it.
    panel.setBevelled();
    panel.setColor(clBtnFace);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    QApplication::setPalette(palette);
    const QImage image = test::render(panel);
    EXPECT_EQ(countPixels(image, qRgb(255, 0, 255)), 0);
    EXPECT_EQ(image.pixel(4, 4), qRgb(1, 2, 3));
    EXPECT_TRUE(panel.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(PanelTest, AlignedChildrenStayInsideTheBevelsAndFollowThemWhenTheyChange)
{
    panel.resize(200, 100);
    panel.setBevelled();
    auto* heading = new QWidget;
    heading->resize(10, 33);
    auto* rest = new QWidget;
    panel.addControl(heading, TAlign::Top);
    panel.addControl(rest, TAlign::Client);
    panel.alignment().activate();
    EXPECT_EQ(heading->geometry(), QRect(2, 2, 196, 33));
    EXPECT_EQ(rest->geometry(), QRect(2, 35, 196, 63));
    panel.setFlat();
    panel.alignment().activate();
    EXPECT_EQ(heading->geometry(), QRect(0, 0, 200, 33));
}

} // namespace
} // namespace wb
