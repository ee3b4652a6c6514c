// The one window with the real parts: the test's own window owns the application id on
// a private session bus, and the real program, started as a desktop starts it, hands
// its request over; the selection is set by xclip on the test's X server. Run by
// single-window.sh; the cases without a window in the test run first.
#include "app/SingleWindow.h"
#include "app/Application.h"
#include "app/WindowFront.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "platform/GlobalKey.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace wb {
namespace {

const QString kId = QStringLiteral(WB_APPLICATION_ID);
const QString kProgram = QStringLiteral(WB_PROGRAM);
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

// A start of the real program, ended with the test.
class Start {
public:
    explicit Start(const QStringList& arguments)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(kProgram, arguments);
        EXPECT_TRUE(m_process.waitForStarted()) << m_process.errorString().toStdString();
    }
    ~Start()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGCONT);
        m_process.terminate();
        if (!m_process.waitForFinished(10'000))
            m_process.kill();
        m_process.waitForFinished();
    }
    Start(const Start&) = delete;
    Start& operator=(const Start&) = delete;

    qint64 pid() const { return m_process.processId(); }
    void signal(int number) { ::kill(pid_t(pid()), number); }
    // Waits with the event loop running, so that the test's own window answers.
    bool finished(int milliseconds = kStartTime)
    {
        return QTest::qWaitFor([this] { return m_process.state() == QProcess::NotRunning; },
                               milliseconds);
    }
    int exitCode() const
    {
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    bool ownsTheId() const
    {
        return QTest::qWaitFor([this] { return ownerPid() == pid(); }, kStartTime);
    }

private:
    QProcess m_process;
};

// Has xclip offer `bytes` as the primary selection or the clipboard, as a program
// does in which the user selected or copied them. xclip stays behind to serve them
// until another owner takes over.
void offer(const char* selection, const QByteArray& bytes)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"),
                                          QString::fromLatin1(selection), QStringLiteral("-i")});
    ASSERT_TRUE(xclip.waitForStarted());
    xclip.write(bytes);
    xclip.closeWriteChannel();
    ASSERT_TRUE(xclip.waitForFinished(10'000));
    ASSERT_EQ(xclip.exitCode(), 0);
}

TEST(WithoutAWindow, AKilledWindowDoesNotHoldUpTheNextStart)
{
    ASSERT_TRUE(bus().isConnected());
    Start first({});
    ASSERT_TRUE(first.ownsTheId());
    first.signal(SIGKILL);
    ASSERT_TRUE(first.finished());
    Start next({QStringLiteral("Haus")});
    EXPECT_TRUE(next.ownsTheId()) << "the next start keeps a window of its own";
    EXPECT_FALSE(next.finished(500));
}

TEST(WithoutAWindow, AWindowThatDoesNotAnswerIsGivenUpAfterASecond)
{
    Start first({});
    ASSERT_TRUE(first.ownsTheId());
    first.signal(SIGSTOP);
    Start next({QStringLiteral("Haus")});
    // It cannot take the name, which the stopped window still holds; it shows a window
    // of its own instead, whose first paint sets the name the test looks for.
    QProcess search;
    const auto shown = [&search, &next] {
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--pid"), QString::number(next.pid())});
        search.waitForFinished();
        return search.exitCode() == 0;
    };
    EXPECT_TRUE(QTest::qWaitFor(shown, kStartTime));
    EXPECT_FALSE(next.finished(100));
    first.signal(SIGCONT);
}

// Without a session bus the window runs on its own, as before there was one window
// per session.
TEST(WithoutAWindow, NoSessionBusMeansAWindowOfItsOwn)
{
    test::TempDir home;
    QProcess alone;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       QString::fromStdString(home.path().string()));
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
    alone.setProcessEnvironment(environment);
    alone.start(kProgram, {QStringLiteral("Haus")});
    ASSERT_TRUE(alone.waitForStarted());
    QProcess search;
    const auto shown = [&search, &alone] {
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--pid"), QString::number(alone.processId())});
        search.waitForFinished();
        return search.exitCode() == 0;
    };
    EXPECT_TRUE(QTest::qWaitFor(shown, kStartTime));
    EXPECT_EQ(alone.state(), QProcess::Running);
    alone.terminate();
    EXPECT_TRUE(alone.waitForFinished(10'000));
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
    static void handOver(const QStringList& arguments, int expectedPage, const QString& find)
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
    handOver({QStringLiteral("hou")}, 0, QStringLiteral("hou"));
    expectFirstRowSelected("ListView1", "VonEd1");

    handOver({QStringLiteral("--de"), QStringLiteral("Haus")}, 1, QStringLiteral("Haus"));
    expectFirstRowSelected("ListView2", "VonEd2");
    EXPECT_EQ(text("VonEd2"), QStringLiteral("Haus"));
    EXPECT_EQ(text("NachEd2"), QStringLiteral("house"));

    handOver({QStringLiteral("--"), QStringLiteral("-ism")}, 0, QStringLiteral("-ism"));
}

TEST_F(SecondStart, APlainStartShowsTheWindowAsItWas)
{
    handOver({QStringLiteral("--de"), QStringLiteral("Haus")}, 1, QStringLiteral("Haus"));
    form().hide();
    handOver({}, 1, QStringLiteral("Haus"));
    EXPECT_EQ(text("VonEd2"), QStringLiteral("Haus"));
}

TEST_F(SecondStart, TheSelectionOpensOnThePageOfItsLanguage)
{
    offer("primary", "  Haus\nund Hof");
    handOver({QStringLiteral("--selection")}, 1, QStringLiteral("Haus"));
    expectFirstRowSelected("ListView2", "VonEd2");

    offer("primary", "house");
    handOver({QStringLiteral("--selection")}, 0, QStringLiteral("house"));
    expectFirstRowSelected("ListView1", "VonEd1");
}

// A word copied out of a text is often a form no headword begins with: the window
// starts on its base, whether the word was selected or handed over.
TEST_F(SecondStart, AFormOpensOnItsBase)
{
    offer("primary", "H\xc3\xa4usern");
    handOver({QStringLiteral("--selection")}, 1, QStringLiteral("Haus"));
    handOver({QStringLiteral("house")}, 0, QStringLiteral("house"));
    handOver({QStringLiteral("Häusern")}, 1, QStringLiteral("Haus"));
}

TEST_F(SecondStart, TheClipboardServesWhenTheSelectionIsEmpty)
{
    offer("primary", "");
    offer("clipboard", "Maus");
    handOver({QStringLiteral("--selection")}, 1, QStringLiteral("Maus"));
    EXPECT_EQ(text("VonEd2"), QStringLiteral("Maus"));
}

TEST_F(SecondStart, NothingSelectedOnlyShowsTheWindow)
{
    handOver({QStringLiteral("--de"), QStringLiteral("Haus")}, 1, QStringLiteral("Haus"));
    offer("primary", "");
    offer("clipboard", " \n ");
    form().hide();
    handOver({QStringLiteral("--selection")}, 1, QStringLiteral("Haus"));
}

TEST_F(SecondStart, ALongSelectionIsCutToItsFirstHundredCharacters)
{
    const QByteArray selection = "house" + QByteArray(9'995, 'x');
    offer("primary", selection);
    handOver({QStringLiteral("--selection")}, 0, QString::fromLatin1(selection.left(100)));
}

TEST_F(SecondStart, BytesThatAreNotUtf8EndTheWord)
{
    offer("primary", "Haus\xff\xfe\xc3");
    handOver({QStringLiteral("--selection")}, 1, QStringLiteral("Haus"));
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
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("key"), QString::fromLatin1(keys)});
        ASSERT_TRUE(xdotool.waitForFinished(10'000));
        ASSERT_EQ(xdotool.exitCode(), 0);
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
        QProcess other;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=/nonexistent"));
        other.setProcessEnvironment(environment);
        other.start(kProgram, {});
        EXPECT_TRUE(other.waitForStarted());
        // The grab comes before the window is shown, which sets the window's name.
        QProcess search;
        const auto shown = [&search, &other] {
            search.start(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--pid"), QString::number(other.processId())});
            search.waitForFinished();
            return search.exitCode() == 0;
        };
        EXPECT_TRUE(QTest::qWaitFor(shown, kStartTime));
        EXPECT_EQ(other.state(), QProcess::Running) << "a taken key is no reason to end";
        other.terminate();
        EXPECT_TRUE(other.waitForFinished(10'000));
        return QString::fromLocal8Bit(other.readAllStandardError());
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

int main(int argc, char** argv)
{
    wb::Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
