#include "controls/Picture.h"
#include "tests/support/WidgetTestSupport.h"

#include <QMouseEvent>
#include <QTemporaryDir>
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

// Renders the picture on a device of `ratio` device pixels to the logical pixel.
QImage renderAt(TImage& image, qreal ratio)
{
    QImage shown((QSizeF(image.size()) * ratio).toSize(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    shown.fill(Qt::magenta);
    image.render(&shown);
    return shown;
}

TEST(TImage, ScalesInSharpBlocksAtWholeRatiosAndSmoothlyBetweenThem)
{
    // Alternating black and white columns: any blending shows as grey.
    QImage stripes(8, 4, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    TImage image;
    image.setPicture(stripes);

    const QImage doubled = renderAt(image, 2);
    for (int x = 0; x < doubled.width(); ++x)
        for (int y = 0; y < doubled.height(); ++y)
            ASSERT_EQ(doubled.pixel(x, y), stripes.pixel(x / 2, y / 2)) << x << "," << y;

    const QImage oneAndAHalf = renderAt(image, 1.5);
    int grey = 0;
    for (int x = 0; x < oneAndAHalf.width(); ++x) {
        const QRgb pixel = oneAndAHalf.pixel(x, 2);
        EXPECT_NE(pixel, qRgb(255, 0, 255)) << x; // the picture still covers the control
        grey += qRed(pixel) > 0 && qRed(pixel) < 255;
    }
    EXPECT_GT(grey, 0);

    EXPECT_FALSE(smoothPictureScaling(1));
    EXPECT_FALSE(smoothPictureScaling(3));
    EXPECT_TRUE(smoothPictureScaling(1.25));
}

TEST(PictureFile, TakesTheTwinBesideThePictureAndRefusesOneOfAnotherSize)
{
    EXPECT_EQ(doubledPicturePath(":/art/side.gif"), ":/art/side@2x.gif");
    EXPECT_EQ(doubledPicturePath("/a.b/pic.tar.bmp"), "/a.b/pic.tar@2x.bmp");
    EXPECT_EQ(doubledPicturePath("/a.b/pic"), "/a.b/pic@2x");

    QTemporaryDir dir;
    const QString path = dir.filePath("pic.png");
    EXPECT_THROW(loadPictureFile(path), std::runtime_error);
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path));
    EXPECT_TRUE(loadPictureFile(path).doubled.isNull());

    QImage twin(8, 6, QImage::Format_RGB32);
    twin.fill(Qt::blue);
    ASSERT_TRUE(twin.save(doubledPicturePath(path)));
    const PictureFile file = loadPictureFile(path);
    EXPECT_EQ(file.picture.size(), QSize(4, 3));
    EXPECT_EQ(file.doubled.size(), QSize(8, 6));
    EXPECT_EQ(file.doubled.devicePixelRatio(), 2);

    ASSERT_TRUE(twin.copy(0, 0, 8, 5).save(doubledPicturePath(path)));
    EXPECT_THROW(loadPictureFile(path), std::runtime_error);
}

TEST(TImage, PaintsItsDoubledPictureWhereALogicalPixelHasTwoOrMore)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(0, 100, 0));
    QImage doubled(6, 4, QImage::Format_RGB32);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 4; ++y)
            doubled.setPixel(x, y, qRgb(40 * x, 60 * y, 200));
    TImage image;
    image.setPicture(picture, doubled);
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(test::render(image).pixel(1, 1), qRgb(0, 100, 0));
    const QImage sharp = renderAt(image, 2);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 4; ++y)
            ASSERT_EQ(sharp.pixel(x, y), doubled.pixel(x, y)) << x << "," << y;
    // At three device pixels the doubled picture is scaled by one and a half: smoothed.
    EXPECT_NE(renderAt(image, 3).pixel(0, 0), qRgb(0, 100, 0));

    image.setPicture(picture, doubled.copy(0, 0, 6, 3)); // not twice the size: ignored
    EXPECT_TRUE(image.DoubledPicture().isNull());
    EXPECT_EQ(renderAt(image, 2).pixel(5, 3), qRgb(0, 100, 0));
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
