#include "controls/StatusBar.h"
#include "tests/support/WidgetTestSupport.h"

#include <QPaintEngine>
#include <QPainter>
#include <QSizeGrip>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

struct PanelCall {
    QRect panel;
    QRect clip;
};

// A bar along the bottom of a window, recording every call of its panel hook.
class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(680, 100);
        bar->setGeometry(0, 100 - bar->height(), 680, bar->height());
        bar->OnDrawPanel = [this](QPainter& painter, const QRect& panel) {
            // The system clip is in the window's backing store, not in the bar.
            const QRect clip = painter.paintEngine()->systemClip().boundingRect();
            calls.push_back({panel, clip.translated(-bar->mapTo(&window, QPoint(0, 0)))});
            painter.fillRect(panel, Qt::darkBlue);
        };
        ASSERT_TRUE(test::showActive(window));
    }

    QWidget window;
    TStatusBar* bar = new TStatusBar(&window);
    std::vector<PanelCall> calls;
};

TEST_F(StatusBarTest, IsNineteenHighWithTheGripAtItsRightEndAndThePanelBesideIt)
{
    EXPECT_EQ(bar->height(), 19);
    EXPECT_EQ(bar->sizeHint().height(), 19);
    const QRect grip = bar->sizeGrip()->geometry();
    EXPECT_TRUE(bar->sizeGrip()->isVisible());
    EXPECT_EQ(grip.right(), bar->width() - 1);
    EXPECT_EQ(grip.bottom(), bar->height() - 1);
    const QRect panel = bar->panelRect();
    EXPECT_EQ(panel, statusPanelRect(bar->size(), grip.width()));
    EXPECT_LT(panel.right(), grip.left());
    EXPECT_LE(panel.left(), 1);
    EXPECT_GE(panel.height(), bar->height() - 4);
}

TEST_F(StatusBarTest, ThePanelSpansTheWholeBarWhenThereIsNoGrip)
{
    const QRect withGrip = bar->panelRect();
    bar->sizeGrip()->hide();
    EXPECT_GT(bar->panelRect().width(), withGrip.width());
    EXPECT_EQ(bar->panelRect().right(), bar->width() - 2);
}

TEST_F(StatusBarTest, EveryPaintCallsTheHookWithThePanelRectangle)
{
    calls.clear();
    const QImage image = test::render(*bar);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].panel, bar->panelRect());
    const QRect panel = bar->panelRect();
    EXPECT_EQ(image.pixel(panel.center()), QColor(Qt::darkBlue).rgb());
    // Opaque: nothing of render()'s magenta background is left, grip included.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixel(x, y), qRgb(255, 0, 255)) << x << "," << y;

    bar->resize(400, bar->height());
    calls.clear();
    test::render(*bar);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].panel, bar->panelRect());
    EXPECT_LT(calls[0].panel.right(), 400);
}

TEST_F(StatusBarTest, PaintNowPaintsTheStripBeforeReturningAndOnlyThatStrip)
{
    QCoreApplication::processEvents();
    calls.clear();
    const QRect panel = bar->panelRect();
    const QRect strip(panel.left() + 10, panel.top(), 20, panel.height());
    bar->paintNow(strip);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].panel, panel);
    EXPECT_TRUE(strip.contains(calls[0].clip)) << "clip is wider than the strip";
}

} // namespace
} // namespace wb
