#include "controls/PageControl.h"
#include "controls/ImageList.h"
#include "tests/support/WidgetTestSupport.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

// Two pages, as the main window has them, with one 16 x 16 icon each.
class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pages.resize(400, 300);
        pages.setHotTrack(true);
        QImage icon(16, 16, QImage::Format_RGB32);
        icon.fill(qRgb(255, 0, 255)); // the mask colour, transparent when drawn
        icon.setPixel(5, 5, qRgb(0, 0, 128));
        images.add(icon, TImageList::defaultMaskColor(icon));
        icon.setPixel(5, 5, qRgb(128, 0, 0));
        images.add(icon, TImageList::defaultMaskColor(icon));
        pages.setImages(images);
        pages.addPage(new QLabel("one"), "Englisch->Deutsch", 0);
        pages.addPage(new QLabel("two"), "Deutsch -> Englisch", 1);
        ASSERT_TRUE(test::showActive(pages));
    }

    // Qt drops a move to where the pointer already is, and an earlier test may have left
    // it at the same spot, so the pointer comes from over the page.
    void pointAt(QPoint inBar)
    {
        QTest::mouseMove(pages.windowHandle(), QPoint(200, 250));
        QTest::mouseMove(pages.windowHandle(), bar()->mapTo(&pages, inBar));
    }
    THotTabBar* bar() { return pages.hotTabBar(); }
    QImage tabImage(int tab) { return test::render(*bar()).copy(bar()->tabRect(tab)); }

    TPageControl pages;
    TImageList images{16, 16};
};

TEST_F(PageControlTest, TheTabUnderThePointerIsDrawnHighlightedUntilThePointerLeaves)
{
    const QImage plain = tabImage(1);
    pointAt(bar()->tabRect(1).center());
    EXPECT_EQ(bar()->hotIndex(), 1);
    const QImage hot = tabImage(1);
    EXPECT_NE(hot, plain);
    EXPECT_EQ(hot.pixel(bar()->tabRect(1).width() / 2, 3),
              bar()->palette().highlight().color().rgb());

    pointAt(bar()->tabRect(0).center()); // the current tab shows as current, not as hot
    EXPECT_EQ(bar()->hotIndex(), -1);
    EXPECT_EQ(tabImage(1), plain);

    pointAt(bar()->tabRect(1).center());
    QTest::mouseMove(pages.windowHandle(), QPoint(200, 250)); // over the page, off the bar
    EXPECT_EQ(bar()->hotIndex(), -1);
    EXPECT_EQ(tabImage(1), plain);
}

TEST_F(PageControlTest, ClickingTheHotTabMakesItCurrentAndNoLongerHot)
{
    pointAt(bar()->tabRect(1).center());
    QTest::mouseClick(pages.windowHandle(), Qt::LeftButton, {},
                      bar()->mapTo(&pages, bar()->tabRect(1).center()));
    EXPECT_EQ(pages.currentIndex(), 1);
    EXPECT_EQ(bar()->hotIndex(), -1);
    pointAt(bar()->tabRect(0).center());
    EXPECT_EQ(bar()->hotIndex(), 0);
}

TEST_F(PageControlTest, WithoutHotTrackingNoTabIsHighlighted)
{
    pages.setHotTrack(false);
    const QImage plain = tabImage(1);
    pointAt(bar()->tabRect(1).center());
    EXPECT_EQ(bar()->hotIndex(), -1);
    EXPECT_EQ(tabImage(1), plain);
}

TEST_F(PageControlTest, TabsShowTheirMaskedIconsFromTheImageList)
{
    EXPECT_EQ(pages.iconSize(), QSize(16, 16));
    for (int tab = 0; tab < 2; ++tab) {
        const QImage icon = pages.tabIcon(tab).pixmap(16, 16).toImage();
        EXPECT_EQ(icon.pixel(5, 5), images.image(tab).pixel(5, 5)) << tab;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << tab;
    }
    // An index stays with its tab, so a later image list reaches it; -1 is no icon.
    TImageList other(16, 16);
    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(qRgb(0, 128, 0));
    other.add(green, qRgb(1, 1, 1));
    other.add(green, qRgb(1, 1, 1));
    pages.setImages(other);
    EXPECT_EQ(pages.tabIcon(1).pixmap(16, 16).toImage().pixel(0, 0), qRgb(0, 128, 0));
    pages.setImageIndex(0, -1);
    EXPECT_TRUE(pages.tabIcon(0).isNull());
}

} // namespace
} // namespace wb
