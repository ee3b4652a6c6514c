// Both windows on a screen of twice the density (the test program runs at a scale
// factor of 2): every picture comes from its doubled file, pixel for pixel, while the
// controls keep their logical places.
#include "controls/Picture.h"
#include "tests/support/TestSupport.h"
#include "ui/AboutBoxUnit.h"
#include "ui/MainUnit1.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>
#include <string_view>

namespace wb {
namespace {

constexpr QRgb kMask = qRgb(255, 0, 255);

// The window as the screen shows it, in device pixels. Rendering into an image of
// another ratio than the screen's would not do: the styles pick icons by the screen.
QImage renderDoubled(QWidget& window)
{
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.devicePixelRatio(), 2);
    return shot;
}

QImage doubledFile(const char* name)
{
    const QImage file(doubledPicturePath(QStringLiteral(":/art/") + QLatin1String(name)));
    EXPECT_FALSE(file.isNull()) << name;
    return file.convertToFormat(QImage::Format_RGB32);
}

// Whether every pixel of `picture` other than the mask colour lies in `shot` with its
// top-left corner at `at`, in device pixels.
bool showsAt(const QImage& shot, QPoint at, const QImage& picture)
{
    if (!shot.rect().contains(QRect(at, picture.size())))
        return false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (pixel != kMask && shot.pixel(at.x() + x, at.y() + y) != pixel)
                return false;
        }
    return true;
}

// Whether `picture` is shown anywhere in `area`, given in logical pixels.
bool showsWithin(const QImage& shot, QRect area, const QImage& picture)
{
    const QRect device(area.topLeft() * 2, area.size() * 2);
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (showsAt(shot, {x, y}, picture))
                return true;
    return false;
}

class HighDensity : public ::testing::Test {
protected:
    HighDensity()
        : form(dir.path(), reporter)
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QWidget* named(const char* name) const
    {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QRect inWindow(QWidget* widget) const
    {
        return {widget->mapTo(&form, QPoint(0, 0)), widget->size()};
    }

    test::TempDir dir;
    test::CollectingReporter reporter;
    TMainForm form;
};

TEST_F(HighDensity, TheMainWindowDrawsEachPictureFromItsDoubledFile)
{
    struct Picture {
        const char *control, *file;
    };
    const Picture pictures[] = {
        {"Image6", "side.gif"}, {"ueberbtn", "about.gif"}, {"EndeBtn", "exit.gif"}};
    // The focus frame of the tab strip washes over its current tab, icon and all.
    named("FindEd")->setFocus();
    const QImage shot = renderDoubled(form);
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.control);
        const QRect place = inWindow(named(p.control));
        QImage file = doubledFile(p.file);
        EXPECT_EQ(place.size() * 2, file.size()); // the layout stays logical
        // The side title box covers the side picture's upper part.
        const int top = p.control == std::string_view("Image6") ? 2 * 90 : 0;
        file = file.copy(0, top, file.width(), file.height() - top);
        EXPECT_TRUE(showsAt(shot, place.topLeft() * 2 + QPoint(0, top), file));
    }
    // The pressed pictures are hidden at start; shown, they come doubled too.
    named("ueberbtn")->hide();
    named("ueberBtn2")->show();
    EXPECT_TRUE(showsAt(renderDoubled(form), inWindow(named("ueberBtn2")).topLeft() * 2,
                        doubledFile("about-pressed.gif")));

    // Icons are placed by the style, so they are looked for along their control.
    const auto* tabs = form.findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    const QPoint strip = tabs->mapTo(&form, QPoint(0, 0));
    EXPECT_TRUE(
        showsWithin(shot, tabs->tabRect(0).translated(strip), doubledFile("tab-english.bmp")));
    EXPECT_TRUE(
        showsWithin(shot, tabs->tabRect(1).translated(strip), doubledFile("tab-german.bmp")));
    const QRect web = inWindow(named("wwwBtn"));
    EXPECT_TRUE(
        showsWithin(shot, {web.topLeft(), QSize(40, web.height())}, doubledFile("www.bmp")));
}

TEST(HighDensityAbout, ThePhotographComesFromItsDoubledFile)
{
    TAboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QWidget* photo = box.control("ProgramIcon");
    EXPECT_EQ(photo->geometry(), QRect(16, 40, 306, 322));
    const QImage shot = renderDoubled(box);
    // JPEG decoders may round differently by a level; the blocks of a scaled-up picture
    // differ by far more.
    const QImage file = doubledFile("photograph.jpg");
    const QPoint at = photo->mapTo(&box, QPoint(0, 0)) * 2;
    int far = 0;
    for (int y = 0; y < file.height(); ++y)
        for (int x = 0; x < file.width(); ++x) {
            const QRgb a = file.pixel(x, y), b = shot.pixel(at.x() + x, at.y() + y);
            far += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b)) >
                   6;
        }
    EXPECT_LT(far, file.width() * file.height() / 100);
}

} // namespace
} // namespace wb
