#include "app/Application.h"
#include "platform/TerminationRequests.h"
#include "system/ExecutablePath.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace wb {
namespace {

TEST(MainForm, LoadsWhileBeingCreatedAndReportsMissingFilesInOrder)
{
    test::TempDir dir;
    test::generateDictionary(10, 12, 5).writeTo(dir.path());
    std::filesystem::remove(dir.path() / "deueng.dat");
    test::CollectingReporter reporter;
    TMainForm form(dir.path(), reporter);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(reporter.messages,
              std::vector<std::string>{"Fehler: konnte Datei deueng.dat nicht öffnen!"});
    ASSERT_NE(form.store(), nullptr);
    EXPECT_EQ(form.store()->englishWords().size(), 10u);
    EXPECT_EQ(form.windowTitle(), "QUORVEL Wörterbuch Englisch");
    EXPECT_EQ(form.objectName(), "MainForm");
    EXPECT_EQ(form.size(), QSize(680, 444));
}

TEST(MainForm, ADataDirectoryThatCannotBeFoundIsReportedAndNothingIsRead)
{
    // A pair planted in the current directory must not be what the window shows.
    test::TempDir planted;
    test::generateDictionary(10, 12, 5).writeTo(planted.path());
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(planted.path());
    test::CollectingReporter reporter;
    {
        const DataDirectory unresolvable([] {
            return executableDirectory(std::filesystem::path("/nonexistent/proc/self/exe"));
        });
        TMainForm form(unresolvable, reporter);
        std::filesystem::current_path(cwd);
        ASSERT_NE(form.store(), nullptr);
        EXPECT_EQ(form.store()->englishWords().size(), 0u);
        EXPECT_EQ(form.store()->germanWords().size(), 0u);
    }
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(reporter.messages[0].starts_with("cannot find the program's own directory: "))
        << reporter.messages[0];
}

TEST(MainForm, ClosingTheWindowEndsTheEventLoopWithZero)
{
    test::TempDir dir;
    test::CollectingReporter reporter;
    TMainForm form(dir.path(), reporter);
    EXPECT_EQ(reporter.messages.size(), 2u);
    form.showCentred();
    QTimer::singleShot(0, &form, [&form] { form.close(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(TerminationRequests, ASessionSignalClosesTheWindowsAndEndsTheLoop)
{
    test::TempDir dir;
    test::CollectingReporter reporter;
    TerminationRequests termination;
    TMainForm form(dir.path(), reporter);
    form.showCentred();
    QTimer::singleShot(0, &form, [] { std::raise(SIGTERM); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(termination.requested());
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace wb
