#include "app/Application.h"
#include "app/ApplicationTitle.h"
#include "tests/support/TestSupport.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

namespace wb {
namespace {

TEST(ApplicationTitle, CutAtFirstDotAndLowerCasedAfterTheFirstCharacter)
{
    EXPECT_EQ(applicationTitle("Dict.Viewer.exe"), "Dict");
    EXPECT_EQ(applicationTitle("WORTE.EXE"), "Worte");
    EXPECT_EQ(applicationTitle("/usr/lib/woerterbuch/woerterbuch"), "woerterbuch");
    EXPECT_EQ(applicationTitle("ÄRGER"), "Ärger");
    EXPECT_EQ(applicationTitle(".hidden"), "");
}

TEST(ErrorBoxText, PeriodOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(errorBoxText("Der Index der Liste überschreitet das Maximum (7)"),
              "Der Index der Liste überschreitet das Maximum (7)");
    EXPECT_EQ(errorBoxText("Fehler!"), "Fehler!");
    EXPECT_EQ(errorBoxText("Fertig."), "Fertig.");
    EXPECT_EQ(errorBoxText("Kein Speicher"), "Kein Speicher.");
    EXPECT_EQ(errorBoxText("Fehler 42"), "Fehler 42.");
    EXPECT_EQ(errorBoxText(""), "");
}

// Sends the general error handler's messages to a CollectingReporter while it lives;
// the application's own reporter is back afterwards, however the test ended.
class ReportingToTest {
public:
    ReportingToTest() { application().setErrorReporter(&reporter); }
    ~ReportingToTest() { application().setErrorReporter(nullptr); }
    ReportingToTest(const ReportingToTest&) = delete;
    ReportingToTest& operator=(const ReportingToTest&) = delete;

    test::CollectingReporter reporter;

private:
    static Application& application()
    {
        return *static_cast<Application*>(QCoreApplication::instance());
    }
};

class ThrowingWidget : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        invokeHandler([this] {
            ++presses;
            grabMouse();
            throw std::runtime_error("Etwas ging schief");
        });
    }
    void customEvent(QEvent*) override { throw std::runtime_error("Kein Handler (42)"); }
};

TEST(GeneralErrorHandler, ShowsTheMessageReleasesTheGrabAndKeepsRunning)
{
    ReportingToTest reporting;
    ThrowingWidget widget;
    widget.resize(50, 50);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QTest::mousePress(widget.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(widget.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(widget.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));

    EXPECT_EQ(widget.presses, 2);
    EXPECT_EQ(reporting.reporter.messages,
              (std::vector<std::string>{"Etwas ging schief.", "Etwas ging schief."}));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(GeneralErrorHandler, CatchesWhatEscapesToTheEventDispatch)
{
    ReportingToTest reporting;
    ThrowingWidget widget;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&widget, &event);
    EXPECT_EQ(reporting.reporter.messages, std::vector<std::string>{"Kein Handler (42)"});
}

} // namespace
} // namespace wb
