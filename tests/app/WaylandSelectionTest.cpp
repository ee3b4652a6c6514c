// The selection on Wayland, where the compositor offers it only to a focused window:
// the test's window owns the application id on a private bus inside a headless sway
// (wayland-selection.sh), wl-copy sets the primary selection, and the real program's
// --selection reaches the window, which reads it once it has the focus.
#include "app/SingleWindow.h"
#include "app/WindowFront.h"
#include "controls/PageControl.h"
#include "tests/support/Process.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>

namespace wb {
namespace {

using namespace std::chrono_literals;

const QString kId = QStringLiteral(WB_APPLICATION_ID);

class WaylandSelection : public ::testing::Test {
protected:
    WaylandSelection()
    {
        new ApplicationAdaptor(busObject, front);
        form.showCentred();
    }
    ~WaylandSelection() override { QDBusConnection::sessionBus().unregisterService(kId); }

    static void copyToPrimary(const QString& text)
    {
        test::ProcessOptions options;
        options.timeLimit = 10s;
        const test::ProcessResult copy =
            test::runProcess("wl-copy", {"--primary", text.toStdString()}, options);
        ASSERT_FALSE(copy.timedOut);
        ASSERT_EQ(copy.exitCode, 0) << copy.err;
    }
    bool shows(int expectedPage, const QString& find)
    {
        auto* pages = form.findChild<TPageControl*>(QStringLiteral("PageControl2"));
        auto* edit = form.findChild<QLineEdit*>(expectedPage == 0 ? QStringLiteral("FindEd")
                                                                  : QStringLiteral("FindEd2"));
        return QTest::qWaitFor(
            [&] { return pages->currentIndex() == expectedPage && edit->text() == find; }, 10'000);
    }
    static int handOverSelection()
    {
        test::ProcessOptions forwarded;
        forwarded.inheritOutput = true;
        test::ChildProcess second(WB_PROGRAM, {"--selection"}, forwarded);
        // The event loop keeps running, so that the test's window answers.
        EXPECT_TRUE(QTest::qWaitFor([&] { return second.wait(0ms).has_value(); }, 30'000));
        return second.wait(0ms).value_or(-1);
    }

    test::CollectingReporter files;
    TMainForm form{DataDirectory(std::filesystem::path(WB_DATA_DIR)), files};
    WindowFront front{form, [] { return std::filesystem::path(WB_DATA_DIR); }};
    QObject busObject;
};

TEST_F(WaylandSelection, ASecondStartLooksUpThePrimarySelectionOnceTheWindowHasTheFocus)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    ASSERT_EQ(claimApplicationId(QDBusConnection::sessionBus(), kId, busObject), Claim::Owned);
    // Qt's Wayland plugin cannot ask for the focus; sway gives it to the new window.
    ASSERT_TRUE(QTest::qWaitFor([this] { return form.isActiveWindow(); }, 10'000));

    copyToPrimary(QStringLiteral("Häuser"));
    EXPECT_EQ(handOverSelection(), 0);
    EXPECT_TRUE(shows(1, QStringLiteral("Häuser")));
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("NachEd2"))->text(),
              QStringLiteral("houses"));

    // Hidden, the window has no focus when the request comes: the selection waits for it.
    form.hide();
    copyToPrimary(QStringLiteral("house"));
    EXPECT_EQ(handOverSelection(), 0);
    EXPECT_TRUE(shows(0, QStringLiteral("house")));
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace wb
