// The one window with the real parts: the test's own window owns the application id on
// a private session bus, and the real program, started as a desktop starts it, hands
// its request over; the selection is set by xclip on the test's X server. Run by
// single-window.sh; the cases without a window in the test run first.
#include "app/SingleWindow.h"
#include "app/WindowFront.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "platform/GlobalKey.h"
#include "tests/support/Process.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <string>
#include <vector>

namespace wb {
namespace {

using namespace std::chrono_literals;

const QString kId = QStringLiteral(WB_APPLICATION_ID);
constexpr int kStartTime = 30'000; // a sanitized build starts slowly on a busy machine

QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

qint64 ownerPid()
{
    const auto reply = bus().interface()->servicePid(kId);
    return reply.isValid() ? qint64(reply.value()) : 0;
}

// The program's output goes to the test's log, as it comes.
test::ProcessOptions forwarded()
{
    test::ProcessOptions options;
    options.inheritOutput = true;
    return options;
}

// A start of the real program, ended with the test.
class Start {
public:
    explicit Start(const std::vector<std::string>& arguments,
                   const test::ProcessOptions& options = forwarded())
        : m_child(WB_PROGRAM, arguments, options)
    {
    }
    ~Start() { terminate(); }
    Start(const Start&) = delete;
    Start& operator=(const Start&) = delete;

    pid_t pid() const { return m_child.pid(); }
    void signal(int number) { ::kill(pid(), number); }
    bool running() { return !m_child.wait(0ms); }
    // Waits with the event loop running, so that the test's own window answers.
    bool finished(int milliseconds = kStartTime)
    {
        return QTest::qWaitFor([this] { return !running(); }, milliseconds);
    }
    int exitCode() { return m_child.wait(0ms).value_or(-1); }
    bool ownsTheId() const
    {
        return QTest::qWaitFor([this] { return ownerPid() == pid(); }, kStartTime);
    }
    // Asks the program to end, as a session's end does, and whether it did within ten
    // seconds (the child is killed with the object otherwise).
    bool terminate()
    {
        if (!running())
            return true;
        signal(SIGCONT);
        signal(SIGTERM);
        return m_child.wait(10s).has_value();
    }
    std::string errorSoFar() { return m_child.errorSoFar(); }

private:
    test::ChildProcess m_child;
};

// Whether `pid` shows a window yet: its first paint sets the name xdotool looks for.
bool showsAWindow(pid_t pid)
{
    test::ProcessOptions options;
    options.timeLimit = 30s;
    return test::runProcess("xdotool", {"search", "--onlyvisible", "--pid", std::to_string(pid)},
                            options)
               .exitCode == 0;
}

// Has xclip offer `bytes` as the primary selection or the clipboard, as a program
// does in which the user selected or copied them. xclip stays behind to serve them
// until another owner takes over.
void offer(const char* selection, const QByteArray& bytes)
{
    test::TempDir directory;
    test::ProcessOptions options;
    options.input = directory.path() / "offered";
    test::writeFile(options.input, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    options.timeLimit = 10s;
    const test::ProcessResult xclip =
        test::runProcess("xclip", {"-selection", selection, "-i"}, options);
    ASSERT_FALSE(xclip.timedOut);
    ASSERT_EQ(xclip.exitCode, 0) << xclip.err;
}

TEST(WithoutAWindow, AKilledWindowDoesNotHoldUpTheNextStart)
{
    ASSERT_TRUE(bus().isConnected());
    Start first({});
    ASSERT_TRUE(first.ownsTheId());
    first.signal(SIGKILL);
    ASSERT_TRUE(first.finished());
    Start next({"Haus"});
    EXPECT_TRUE(next.ownsTheId()) << "the next start keeps a window of its own";
    EXPECT_FALSE(next.finished(500));
}

TEST(WithoutAWindow, AWindowThatDoesNotAnswerIsGivenUpAfterASecond)
{
    Start first({});
    ASSERT_TRUE(first.ownsTheId());
    first.signal(SIGSTOP);
    Start next({"Haus"});
    // It cannot take the name, which the stopped window still holds; it shows a window
    // of its own instead.
    EXPECT_TRUE(QTest::qWaitFor([&next] { return showsAWindow(next.pid()); }, kStartTime));
    EXPECT_FALSE(next.finished(100));
    first.signal(SIGCONT);
}

// Without a session bus the window runs on its own, as before there was one window
// per session.
TEST(WithoutAWindow, NoSessionBusMeansAWindowOfItsOwn)
{
    test::TempDir home;
    test::ProcessOptions options = forwarded();
    options.environment = test::environmentWith(
        {"XDG_RUNTIME_DIR=" + home.path().string(), "HOME=" + home.path().string()},
        {"DBUS_SESSION_BUS_ADDRESS"});
    Start alone({"Haus"}, options);
    EXPECT_TRUE(QTest::qWaitFor([&alone] { return showsAWindow(alone.pid()); }, kStartTime));
    EXPECT_TRUE(alone.running());
    EXPECT_TRUE(alone.terminate());
}

// The window the later starts reach, over the vocabulary beside the program.
struct FirstWindow {
    test::CollectingReporter files;
    TMainForm form{DataDirectory(std::filesystem::path(WB_DATA_DIR)), files};
    WindowFront front{form, [] { return std::filesystem::path(WB_DATA_DIR); }};
    QObject busObject;

    FirstWindow()
    {
        new ApplicationAdaptor(busObject, front);
        form.showCentred();
    }
};

class SecondStart : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_window = std::make_unique<FirstWindow>();
        ASSERT_EQ(claimApplicationId(bus(), kId, s_window->busObject), Claim::Owned);
    }
    static void TearDownTestSuite()
    {
        bus().unregisterService(kId);
        s_window.reset();
    }

    static TMainForm& form() { return s_window->form; }
    template <typename T = QWidget> static T* named(const char* name)
    {
        auto* widget = form().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString text(const char* field) { return named<QLineEdit>(field)->text(); }
    static int page() { return named<TPageControl>("PageControl2")->currentIndex(); }

    // Starts the program as a second start, which must hand over and end with 0, and
    // waits until the window shows `find` in the search field of `expectedPage`.
    static void handOver(const std::vector<std::string>& arguments, int expectedPage,
                         const QString& find)
    {
        Start second(arguments);
        ASSERT_TRUE(second.finished());
        EXPECT_EQ(second.exitCode(), 0);
        const char* field = expectedPage == 0 ? "FindEd" : "FindEd2";
        EXPECT_TRUE(QTest::qWaitFor([&] { return page() == expectedPage && text(field) == find; }))
            << "page " << page() << ", field \"" << text(field).toStdString() << "\"";
        EXPECT_TRUE(form().isVisible());
        EXPECT_EQ(ownerPid(), QCoreApplication::applicationPid()) << "still the one window";
    }
    // The row selected on a page and the word field beside the list agree with it.
    static void expectFirstRowSelected(const char* list, const char* wordField)
    {
        const auto* view = named<TListView>(list);
        ASSERT_GT(view->Items().count(), 0);
        EXPECT_EQ(view->selectedRow(), 0);
        EXPECT_EQ(text(wordField), view->Items().text(0, 0));
    }

    static std::unique_ptr<FirstWindow> s_window;
};

std::unique_ptr<FirstWindow> SecondStart::s_window;

TEST_F(SecondStart, AWordOpensItsPageSearchesAndSelectsTheFirstRow)
{
    handOver({"hou"}, 0, QStringLiteral("hou"));
    expectFirstRowSelected("ListView1", "VonEd1");

    handOver({"--de", "Haus"}, 1, QStringLiteral("Haus"));
    expectFirstRowSelected("ListView2", "VonEd2");
    EXPECT_EQ(text("VonEd2"), QStringLiteral("Haus"));
    EXPECT_EQ(text("NachEd2"), QStringLiteral("house"));

    handOver({"--", "-ism"}, 0, QStringLiteral("-ism"));
}

TEST_F(SecondStart, APlainStartShowsTheWindowAsItWas)
{
    handOver({"--de", "Haus"}, 1, QStringLiteral("Haus"));
    form().hide();
    handOver({}, 1, QStringLiteral("Haus"));
    EXPECT_EQ(text("VonEd2"), QStringLiteral("Haus"));
}

TEST_F(SecondStart, TheSelectionOpensOnThePageOfItsLanguage)
{
    offer("primary", "  Haus\nund Hof");
    handOver({"--selection"}, 1, QStringLiteral("Haus"));
    expectFirstRowSelected("ListView2", "VonEd2");

    offer("primary", "house");
    handOver({"--selection"}, 0, QStringLiteral("house"));
    expectFirstRowSelected("ListView1", "VonEd1");
}

// A word copied out of a text is often a form no headword begins with: the window
// starts on its base, whether the word was selected or handed over.
TEST_F(SecondStart, AFormOpensOnItsBase)
{
    offer("primary", "H\xc3\xa4usern");
    handOver({"--selection"}, 1, QStringLiteral("Haus"));
    handOver({"house"}, 0, QStringLiteral("house"));
    handOver({"Häusern"}, 1, QStringLiteral("Haus"));
}

TEST_F(SecondStart, TheClipboardServesWhenTheSelectionIsEmpty)
{
    offer("primary", "");
    offer("clipboard", "Maus");
    handOver({"--selection"}, 1, QStringLiteral("Maus"));
    EXPECT_EQ(text("VonEd2"), QStringLiteral("Maus"));
}

TEST_F(SecondStart, NothingSelectedOnlyShowsTheWindow)
{
    handOver({"--de", "Haus"}, 1, QStringLiteral("Haus"));
    offer("primary", "");
    offer("clipboard", " \n ");
    form().hide();
    handOver({"--selection"}, 1, QStringLiteral("Haus"));
}

TEST_F(SecondStart, ALongSelectionIsCutToItsFirstHundredCharacters)
{
    const QByteArray selection = "house" + QByteArray(9'995, 'x');
    offer("primary", selection);
    handOver({"--selection"}, 0, QString::fromLatin1(selection.left(100)));
}

TEST_F(SecondStart, BytesThatAreNotUtf8EndTheWord)
{
    offer("primary", "Haus\xff\xfe\xc3");
    handOver({"--selection"}, 1, QStringLiteral("Haus"));
    EXPECT_EQ(text("NachEd2"), QStringLiteral("house"));
}

// The window's own grab of Ctrl+Alt+W, as on an X11 desktop without a shortcut
// service; xdotool presses the keys through the X server as a keyboard would.
class GlobalKeyOnX11 : public ::testing::Test {
protected:
    GlobalKeyOnX11()
    {
        form.showCentred();
        QObject::connect(key.get(), &GlobalKey::pressed, &front, &WindowFront::globalKeyPressed);
    }

    static void press(const char* keys)
    {
        test::ProcessOptions options;
        options.timeLimit = 10s;
        const test::ProcessResult xdotool = test::runProcess("xdotool", {"key", keys}, options);
        ASSERT_FALSE(xdotool.timedOut);
        ASSERT_EQ(xdotool.exitCode, 0) << xdotool.err;
    }
    // Waits until the window shows `find` in the search field of its page.
    bool shows(int expectedPage, const QString& find, int milliseconds = 5'000)
    {
        const char* field = expectedPage == 0 ? "FindEd" : "FindEd2";
        auto* pages = form.findChild<TPageControl*>(QStringLiteral("PageControl2"));
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(field));
        return QTest::qWaitFor(
            [&] { return pages->currentIndex() == expectedPage && edit->text() == find; },
            milliseconds);
    }
    // A start of the program that cannot reach this window (no bus), so that it keeps
    // a window of its own and grabs the key itself; its standard error is kept.
    static QString grabMessageOfAnotherWindow()
    {
        test::ProcessOptions options;
        options.environment =
            test::environmentWith({"DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent"});
        Start other({}, options);
        // The grab comes before the window is shown.
        EXPECT_TRUE(QTest::qWaitFor([&other] { return showsAWindow(other.pid()); }, kStartTime));
        EXPECT_TRUE(other.running()) << "a taken key is no reason to end";
        EXPECT_TRUE(other.terminate());
        return QString::fromStdString(other.errorSoFar());
    }

    test::CollectingReporter files;
    TMainForm form{DataDirectory(std::filesystem::path(WB_DATA_DIR)), files};
    WindowFront front{form, [] { return std::filesystem::path(WB_DATA_DIR); }};
    std::unique_ptr<GlobalKey> key = std::make_unique<GlobalKey>(0x77);
};

TEST_F(GlobalKeyOnX11, CtrlAltWLooksUpTheSelectionWhateverNumLockAndCapsLock)
{
    ASSERT_EQ(key->grab(), QString());
    offer("primary", "Haus");
    press("ctrl+alt+w");
    EXPECT_TRUE(shows(1, QStringLiteral("Haus")));

    press("Num_Lock");
    offer("primary", "house");
    press("ctrl+alt+w");
    EXPECT_TRUE(shows(0, QStringLiteral("house"))) << "with NumLock on";

    press("Caps_Lock");
    offer("primary", "Maus");
    press("ctrl+alt+w");
    EXPECT_TRUE(shows(1, QStringLiteral("Maus"))) << "with NumLock and CapsLock on";
    press("Num_Lock");
    offer("primary", "mouse");
    press("ctrl+alt+w");
    EXPECT_TRUE(shows(0, QStringLiteral("mouse"))) << "with CapsLock on";
    press("Caps_Lock");

    offer("primary", "Haus");
    press("ctrl+w");
    press("alt+w");
    EXPECT_FALSE(shows(1, QStringLiteral("Haus"), 1'000)) << "only Ctrl and Alt together";
}

TEST_F(GlobalKeyOnX11, AKeyTakenByAnotherProgramIsSaidAndGivenBackOnExit)
{
    ASSERT_EQ(key->grab(), QString());
    const QString message = grabMessageOfAnotherWindow();
    EXPECT_TRUE(message.contains(QStringLiteral("Ctrl+Alt+W is taken by another program")))
        << message.toStdString();

    key.reset();
    EXPECT_FALSE(grabMessageOfAnotherWindow().contains(QStringLiteral("taken")))
        << "the key is free again once its holder let go";
}

} // namespace
} // namespace wb
