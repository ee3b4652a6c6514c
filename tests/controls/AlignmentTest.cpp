#include "controls/Alignment.h"
#include "tests/support/WidgetTestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace wb {
namespace {

// Every pixel of `area` lies in exactly one of `rects`.
void expectTiles(const QRect& area, const std::vector<QRect>& rects)
{
    long covered = 0;
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(area.contains(rects[i]) || rects[i].isEmpty()) << "item " << i;
        covered += long(rects[i].width()) * rects[i].height();
        for (size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(rects[i].intersects(rects[j])) << "items " << i << " and " << j;
    }
    EXPECT_EQ(covered, long(area.width()) * area.height());
}

TEST(AlignControls, EdgesTakeTheirTurnTopBottomLeftRightThenTheClientFillsTheRest)
{
    // Stored in an order unlike the edges' order, so only the rule can place them.
    const std::vector<AlignItem> items = {
        {TAlign::Client, QRect(3, 3, 10, 10)}, {TAlign::Right, QRect(0, 0, 216, 5)},
        {TAlign::Left, QRect(0, 0, 209, 5)},   {TAlign::Bottom, QRect(0, 0, 5, 19)},
        {TAlign::Top, QRect(50, 60, 5, 33)},   {TAlign::Bottom, QRect(0, 0, 5, 41)},
    };
    const QRect area(0, 0, 680, 444);
    const std::vector<QRect> placed = alignControls(area, items);
    EXPECT_EQ(placed[4], QRect(0, 0, 680, 33));
    EXPECT_EQ(placed[3], QRect(0, 425, 680, 19));
    EXPECT_EQ(placed[5], QRect(0, 384, 680, 41));
    EXPECT_EQ(placed[2], QRect(0, 33, 209, 351));
    EXPECT_EQ(placed[1], QRect(464, 33, 216, 351));
    EXPECT_EQ(placed[0], QRect(209, 33, 255, 351));
    expectTiles(area, placed);
}

TEST(AlignControls, AmongStripsOfOneEdgeTheOneStoredFirstLiesNearestIt)
{
    const QRect area(10, 20, 300, 200); // an inset area, as inside a bevel
    for (const TAlign edge : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right}) {
        const std::vector<AlignItem> items = {
            {edge, QRect(0, 0, 30, 30)}, {edge, QRect(0, 0, 50, 50)}, {TAlign::Client, {}}};
        const std::vector<QRect> placed = alignControls(area, items);
        switch (edge) {
        case TAlign::Top:
            EXPECT_EQ(placed[0].top(), area.top());
            EXPECT_EQ(placed[1].top(), placed[0].bottom() + 1);
            break;
        case TAlign::Bottom:
            EXPECT_EQ(placed[0].bottom(), area.bottom());
            EXPECT_EQ(placed[1].bottom(), placed[0].top() - 1);
            break;
        case TAlign::Left:
            EXPECT_EQ(placed[0].left(), area.left());
            EXPECT_EQ(placed[1].left(), placed[0].right() + 1);
            break;
        default:
            EXPECT_EQ(placed[0].right(), area.right());
            EXPECT_EQ(placed[1].right(), placed[0].left() - 1);
            break;
        }
        expectTiles(area, placed);
    }
}

TEST(AlignControls, FixedControlsKeepTheirPlaceAndTakeNoRoom)
{
    const QRect fixed(1, 4, 101, 30);
    const QRect outside(900, 900, 5, 5);
    const std::vector<AlignItem> items = {{TAlign::None, fixed},
                                          {TAlign::Top, QRect(0, 0, 1, 41)},
                                          {TAlign::None, outside},
                                          {TAlign::Client, {}}};
    const std::vector<QRect> placed = alignControls(QRect(0, 0, 216, 100), items);
    EXPECT_EQ(placed[0], fixed);
    EXPECT_EQ(placed[2], outside);
    EXPECT_EQ(placed[3], QRect(0, 41, 216, 59));
}

TEST(AlignControls, AParentTooSmallKeepsTheStripsExtentsAndLeavesNoNegativeRest)
{
    const std::vector<AlignItem> items = {{TAlign::Top, QRect(0, 0, 1, 33)},
                                          {TAlign::Bottom, QRect(0, 0, 1, 41)},
                                          {TAlign::Left, QRect(0, 0, 209, 1)},
                                          {TAlign::Client, {}}};
    const std::vector<QRect> placed = alignControls(QRect(0, 0, 100, 50), items);
    EXPECT_EQ(placed[0].height(), 33);
    EXPECT_EQ(placed[1].height(), 41);
    EXPECT_EQ(placed[1].bottom(), 49);
    EXPECT_EQ(placed[2].width(), 209);
    EXPECT_GE(placed[3].width(), 0);
    EXPECT_EQ(placed[3].height(), 0);
}

// The layout on a real parent: Qt's resizing drives it.
class AlignLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(680, 444);
        addStrip(top, TAlign::Top, QSize(10, 33));
        addStrip(bottom, TAlign::Bottom, QSize(10, 41));
        addStrip(right, TAlign::Right, QSize(216, 10));
        addStrip(client, TAlign::Client, QSize(10, 10));
        fixed->setGeometry(5, 5, 137, 33);
        layout->addWidget(fixed, TAlign::None);
        parent.show();
    }
    void addStrip(QWidget* widget, TAlign align, QSize size)
    {
        widget->resize(size);
        layout->addWidget(widget, align);
    }

    QWidget parent;
    AlignLayout* layout = new AlignLayout(&parent);
    QWidget* top = new QWidget;
    QWidget* bottom = new QWidget;
    QWidget* right = new QWidget;
    QWidget* client = new QWidget;
    QWidget* fixed = new QWidget;
};

TEST_F(AlignLayoutTest, ResizingKeepsStripExtentsAndTheRightStripAtTheRightEdge)
{
    for (const QSize size : {QSize(680, 444), QSize(900, 600), QSize(300, 120)}) {
        parent.resize(size);
        QCoreApplication::sendPostedEvents();
        layout->activate();
        EXPECT_EQ(top->geometry(), QRect(0, 0, size.width(), 33));
        EXPECT_EQ(bottom->geometry(), QRect(0, size.height() - 41, size.width(), 41));
        EXPECT_EQ(right->geometry().right(), size.width() - 1);
        EXPECT_EQ(right->width(), 216);
        EXPECT_EQ(client->geometry(), QRect(0, 33, size.width() - 216, size.height() - 74));
        EXPECT_EQ(fixed->geometry(), QRect(5, 5, 137, 33));
    }
}

TEST_F(AlignLayoutTest, AHiddenStripGivesUpItsRoomUntilItIsShownAgain)
{
    top->hide();
    layout->activate();
    EXPECT_EQ(client->geometry().top(), 0);
    top->show();
    layout->activate();
    EXPECT_EQ(client->geometry().top(), 33);
}

TEST_F(AlignLayoutTest, MarginsInsetTheStripsButNotTheFixedControls)
{
    layout->setContentsMargins(2, 2, 2, 2);
    layout->activate();
    EXPECT_EQ(top->geometry(), QRect(2, 2, 676, 33));
    EXPECT_EQ(right->geometry().right(), 677);
    EXPECT_EQ(fixed->geometry().topLeft(), QPoint(5, 5));
    layout->setAlign(top, TAlign::Bottom);
    layout->activate();
    EXPECT_EQ(layout->alignOf(top), TAlign::Bottom);
    // Stored before the other bottom strip, it now lies nearer the bottom edge.
    EXPECT_EQ(top->geometry().bottom(), 441);
    EXPECT_EQ(bottom->geometry().bottom(), top->geometry().top() - 1);
}

TEST_F(AlignLayoutTest, TheParentCanShrinkBelowItsStrips)
{
    EXPECT_EQ(layout->minimumSize(), QSize(0, 0));
    parent.resize(50, 20);
    layout->activate();
    EXPECT_EQ(parent.size(), QSize(50, 20));
    delete top;
    layout->activate();
    EXPECT_EQ(layout->count(), 4);
    EXPECT_EQ(client->geometry().top(), 0);
}

} // namespace
} // namespace wb
