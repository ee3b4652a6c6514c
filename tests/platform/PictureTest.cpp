#include "platform/Picture.h"
#include "WidgetTestSupport.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

QImage testPicture()
{
    QImage picture(101, 30, QImage::Format_ARGB32);
    picture.fill(qRgb(0, 100, 0));
    picture.setPixel(0, 0, qRgb(200, 0, 0));
    picture.setPixel(100, 29, qRgba(0, 0, 200, 0)); // its alpha must not show
    return picture;
}

TEST(TImage, TakesThePictureSizeAndDrawsItUnscaledAndOpaque)
{
    TImage image;
    image.setPicture(testPicture());
    EXPECT_EQ(image.size(), QSize(101, 30));
    const QImage shown = test::render(image);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(shown.pixel(1, 0), qRgb(0, 100, 0));
    EXPECT_EQ(shown.pixel(100, 29), qRgb(0, 0, 200));

    image.resize(120, 40); // larger than its picture: the rest is covered too
    const QImage larger = test::render(image);
    EXPECT_EQ(larger.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_NE(larger.pixel(110, 35), qRgb(255, 0, 255));
    EXPECT_TRUE(image.testAttribute(Qt::WA_OpaquePaintEvent));
}

// A picture in a window, recording the order of what it reports.
class TImageEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        image->setPicture(testPicture());
        image->move(10, 10);
        image->OnMouseDown = [this](QMouseEvent& e) { record("down", e); };
        image->OnMouseMove = [this](QMouseEvent& e) { record("move", e); };
        image->OnMouseUp = [this](QMouseEvent& e) { record("up", e); };
        image->OnClick = [this] { log.push_back("click"); };
        ASSERT_TRUE(test::showActive(window));
    }
    void record(const char* what, QMouseEvent& event)
    {
        const QPoint at = event.position().toPoint();
        log.push_back(QStringLiteral("%1 %2,%3").arg(what).arg(at.x()).arg(at.y()));
    }
    QWindow* handle() { return window.windowHandle(); }
    // What was reported apart from moves, which Qt's test input adds before a press or
    // a release elsewhere.
    QStringList withoutMoves() const
    {
        QStringList rest = log;
        rest.removeIf([](const QString& entry) { return entry.startsWith("move"); });
        return rest;
    }

    QWidget window;
    TImage* image = new TImage(&window);
    QStringList log;
};

TEST_F(TImageEvents, ALeftPressAndReleaseOverThePictureClicksBeforeTheRelease)
{
    QTest::mousePress(handle(), Qt::LeftButton, {}, QPoint(20, 15));
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, QPoint(110, 39)); // its last pixel
    EXPECT_EQ(withoutMoves(), (QStringList{"down 10,5", "click", "up 100,29"}));
}

TEST_F(TImageEvents, MovesComeWithOrWithoutAButtonAndAReleaseOutsideDoesNotClick)
{
    QTest::mouseMove(handle(), QPoint(15, 15));
    QTest::mousePress(handle(), Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseMove(handle(), QPoint(200, 60)); // off the picture, still its events
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, QPoint(111, 15));
    EXPECT_EQ(log, (QStringList{"move 5,5", "down 5,5", "move 190,50", "move 101,5", "up 101,5"}));
}

TEST_F(TImageEvents, OnlyTheLeftButtonClicks)
{
    QTest::mouseClick(handle(), Qt::RightButton, {}, QPoint(20, 20));
    QTest::mouseClick(handle(), Qt::MiddleButton, {}, QPoint(20, 20));
    EXPECT_EQ(withoutMoves(), (QStringList{"down 10,10", "up 10,10", "down 10,10", "up 10,10"}));
}

} // namespace
} // namespace wb
