// The About and Exit picture buttons, driven through the main window's QWindow so that
// the events take the path real ones take, grabs and hidden pictures included.
#include "ui/PictureButton.h"
#include "controls/Picture.h"
#include "platform/Forms.h"
#include "tests/support/TestSupport.h"
#include "ui/AboutBoxUnit.h"
#include "ui/MainUnit1.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace wb {
namespace {

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

TEST(PictureButton, TheLastColumnAndRowAreOnThePictureTheNextOnesAreNot)
{
    const QSize size(101, 30);
    EXPECT_TRUE(pointerOnPicture({0, 0}, size));
    EXPECT_TRUE(pointerOnPicture({100, 29}, size));
    EXPECT_FALSE(pointerOnPicture({101, 10}, size));
    EXPECT_FALSE(pointerOnPicture({10, 30}, size));
    EXPECT_FALSE(pointerOnPicture({-1, 10}, size));
    EXPECT_FALSE(pointerOnPicture({10, -1}, size));
}

// Closes every About dialog that becomes the modal window and counts them.
class AboutDialogs : public QObject {
public:
    AboutDialogs()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget())) {
                ++opened;
                box->done(mrOk);
            }
        });
        m_timer.start();
    }
    int opened = 0;

private:
    QTimer m_timer;
};

class PictureButtons : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(showActive(form)); }

    TImage& picture(const char* name)
    {
        auto* image = form.findChild<TImage*>(QLatin1String(name));
        EXPECT_NE(image, nullptr) << name;
        return *image;
    }
    // A point given relative to the About button, in the window's coordinates.
    QPoint onAbout(int x, int y) { return picture("ueberbtn").mapTo(&form, QPoint(x, y)); }
    QWindow* window() { return form.windowHandle(); }
    bool aboutShowsPressed() { return picture("ueberBtn2").isVisible(); }
    bool aboutShowsNormal() { return picture("ueberbtn").isVisible(); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(window(), button, {}, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(window(), button, {}, at);
    }
    void move(QPoint at) { QTest::mouseMove(window(), at); }

    test::TempDir dir;
    test::CollectingReporter reporter;
    TMainForm form{dir.path(), reporter};
    AboutDialogs dialogs;
};

TEST_F(PictureButtons, APressShowsThePressedPictureAndTheExchangeFollowsTheEdge)
{
    EXPECT_TRUE(aboutShowsNormal());
    EXPECT_FALSE(aboutShowsPressed());
    press(onAbout(10, 10));
    EXPECT_TRUE(aboutShowsPressed());
    EXPECT_FALSE(aboutShowsNormal());
    const QSize size = picture("ueberbtn").size();
    move(onAbout(size.width() - 1, size.height() - 1));
    EXPECT_TRUE(aboutShowsPressed());
    move(onAbout(size.width(), 10));
    EXPECT_TRUE(aboutShowsNormal());
    EXPECT_FALSE(aboutShowsPressed());
    move(onAbout(10, size.height() - 1));
    EXPECT_TRUE(aboutShowsPressed());
    move(onAbout(10, -1));
    EXPECT_TRUE(aboutShowsNormal());
    release(onAbout(10, -1));
    EXPECT_EQ(dialogs.opened, 0);
}

TEST_F(PictureButtons, PressMoveOutAndBackInReleaseOpensTheDialogOnce)
{
    press(onAbout(10, 10));
    move(onAbout(150, 10));
    move(onAbout(20, 12));
    release(onAbout(20, 12));
    EXPECT_EQ(dialogs.opened, 1);
    EXPECT_TRUE(aboutShowsNormal());
    EXPECT_FALSE(aboutShowsPressed());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    // Afterwards the button is idle: moves change nothing.
    move(onAbout(12, 12));
    EXPECT_TRUE(aboutShowsNormal());
}

TEST_F(PictureButtons, PressMoveOutReleaseDoesNothing)
{
    press(onAbout(10, 10));
    move(onAbout(10, -20));
    release(onAbout(10, -20));
    EXPECT_EQ(dialogs.opened, 0);
    EXPECT_TRUE(aboutShowsNormal());
    EXPECT_FALSE(aboutShowsPressed());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(PictureButtons, MovesWithoutAPressChangeNoPicture)
{
    for (QPoint at : {onAbout(5, 5), onAbout(50, 20), onAbout(150, 5), onAbout(6, 6)}) {
        move(at);
        EXPECT_TRUE(aboutShowsNormal());
        EXPECT_FALSE(aboutShowsPressed());
    }
    EXPECT_EQ(dialogs.opened, 0);
}

TEST_F(PictureButtons, ARightPressDuringALeftPressRestoresOnItsReleaseAndTheLeftStillClicks)
{
    press(onAbout(10, 10));
    press(onAbout(10, 10), Qt::RightButton);
    EXPECT_TRUE(aboutShowsPressed());
    release(onAbout(10, 10), Qt::RightButton);
    EXPECT_TRUE(aboutShowsNormal());
    EXPECT_FALSE(aboutShowsPressed());
    // The flag is clear now: moves out and back change nothing.
    move(onAbout(150, 10));
    move(onAbout(11, 11));
    EXPECT_TRUE(aboutShowsNormal());
    release(onAbout(11, 11));
    EXPECT_EQ(dialogs.opened, 1);
    EXPECT_TRUE(aboutShowsNormal());
}

class OtherButtonPress : public PictureButtons,
                         public ::testing::WithParamInterface<Qt::MouseButton> {};

TEST_P(OtherButtonPress, LeavesThePressedPictureUntilALeftClickOnItRunsTheAction)
{
    press(onAbout(10, 10), GetParam());
    release(onAbout(10, 10), GetParam());
    EXPECT_TRUE(aboutShowsPressed());
    move(onAbout(150, 10));
    move(onAbout(12, 12));
    EXPECT_TRUE(aboutShowsPressed());
    EXPECT_EQ(dialogs.opened, 0);
    press(onAbout(12, 12));
    release(onAbout(12, 12));
    EXPECT_EQ(dialogs.opened, 1);
    EXPECT_TRUE(aboutShowsNormal());
    EXPECT_FALSE(aboutShowsPressed());
}

INSTANTIATE_TEST_SUITE_P(RightAndMiddle, OtherButtonPress,
                         ::testing::Values(Qt::RightButton, Qt::MiddleButton));

TEST_F(PictureButtons, ExitEndsTheEventLoopWithZero)
{
    TImage& exit = picture("EndeBtn");
    const QPoint at = exit.mapTo(&form, QPoint(exit.width() - 1, 3));
    QTimer::singleShot(0, &form, [&] {
        press(at);
        EXPECT_TRUE(picture("EndeBtnDown").isVisible());
        release(at);
    });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(dialogs.opened, 0);
    EXPECT_TRUE(picture("EndeBtn").isVisibleTo(&form));
}

} // namespace
} // namespace wb
