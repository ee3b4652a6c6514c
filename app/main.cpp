#include "app/Application.h"
#include "app/GnomeShortcut.h"
#include "app/PortalShortcut.h"
#include "app/SingleWindow.h"
#include "app/StartArguments.h"
#include "app/WindowFront.h"
#include "messages/UserMessages.h"
#include "platform/GlobalKey.h"
#include "platform/MessageBox.h"
#include "platform/TerminationRequests.h"
#include "system/ExecutablePath.h"
#include "ui/MainUnit1.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <cstdio>

namespace {

// The file-error boxes pass no caption of their own and take the desktop's default
// one. Once the session has asked the program to end, no further box is shown.
class StartupErrors : public wb::ErrorReporter {
public:
    explicit StartupErrors(const wb::TerminationRequests& termination)
        : m_termination(termination)
        , m_boxes(QString::fromUtf8(wb::messages::kErrorCaption))
    {
    }
    void reportError(std::string_view message) override
    {
        if (!m_termination.requested())
            m_boxes.reportError(message);
    }

private:
    const wb::TerminationRequests& m_termination;
    wb::MessageBoxReporter m_boxes;
};

const QString kApplicationId = QStringLiteral(WB_APPLICATION_ID);
constexpr std::uint32_t kGlobalKeysym = 0x77; // "w"

void grabGlobalKey(wb::GlobalKey& key, wb::WindowFront& front)
{
    const QString problem = key.grab();
    if (!problem.isEmpty())
        std::fprintf(stderr,
                     "woerterbuch: %s, so the window does not grab it (a shortcut of the "
                     "desktop's may still run the selection lookup)\n",
                     qPrintable(problem));
    QObject::connect(&key, &wb::GlobalKey::pressed, &front, &wb::WindowFront::globalKeyPressed);
}

void sayNoPortalShortcut(const wb::PortalShortcut& shortcut)
{
    std::fprintf(stderr,
                 "woerterbuch: no global shortcut from the desktop (%s); on GNOME, "
                 "woerterbuch --install-shortcut binds one\n",
                 qPrintable(shortcut.problem()));
}

void bindPortalShortcut(wb::PortalShortcut& shortcut, wb::WindowFront& front)
{
    QObject::connect(&shortcut, &wb::PortalShortcut::activated, &front,
                     &wb::WindowFront::portalShortcutActivated);
    QObject::connect(&shortcut, &wb::PortalShortcut::failed, &shortcut,
                     [&shortcut] { sayNoPortalShortcut(shortcut); });
    if (!shortcut.start())
        sayNoPortalShortcut(shortcut);
}

// The shortcut options change the desktop's settings and open no window, so they work
// without a display (over ssh, say) and start no toolkit for windows.
std::optional<int> changeShortcut(int argc, char** argv)
{
    if (argc != 2)
        return std::nullopt;
    const auto request = wb::parseStartArguments({QString::fromLocal8Bit(argv[1])});
    if (!request || request->command == wb::StartCommand::Window)
        return std::nullopt;
    QCoreApplication application(argc, argv);
    if (request->command == wb::StartCommand::RemoveShortcut)
        return wb::removeGnomeShortcut();
    try {
        return wb::installGnomeShortcut(QString::fromStdString(wb::executablePath().string()));
    } catch (const wb::ExecutablePathError& error) {
        std::fprintf(stderr, "woerterbuch: %s\n", error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto status = changeShortcut(argc, argv))
        return *status;
    const wb::Activation activation = wb::activationFromEnvironment();
    // The words are the user's alone: Qt's own option parser would take "-reverse" or
    // "-style=fusion" meant for the dictionary, so the toolkit is given the name only.
    const auto request = wb::parseStartArguments(wb::commandLineWords(argc, argv));
    if (!request || request->command != wb::StartCommand::Window) {
        std::fprintf(stderr, "%s\n", wb::kStartUsage);
        return 64;
    }
    int toolkitArgc = argc > 0 ? 1 : 0;
    wb::Application application(toolkitArgc, argv);
    const QDBusConnection bus = wb::sessionBusIfAny();
    const wb::HandOver handedOver = wb::handOver(bus, kApplicationId, *request, activation);
    if (handedOver == wb::HandOver::Taken)
        return 0;
    wb::TerminationRequests termination;
    StartupErrors fileErrors(termination);
    TMainForm MainForm(wb::DataDirectory([] { return wb::executableDirectory(); }), fileErrors);
    if (termination.requested())
        return 0; // asked to end while the dictionary was loading
    wb::WindowFront front(MainForm, [] { return wb::executableDirectory(); });
    QObject busObject;
    new wb::ApplicationAdaptor(busObject, front);
    // Another start may have taken the name while this one was loading; a window that
    // did not answer before is not asked again.
    const bool lostTheRace =
        wb::claimApplicationId(bus, kApplicationId, busObject) == wb::Claim::OwnedByAnother;
    if (lostTheRace && handedOver == wb::HandOver::NoWindow &&
        wb::handOver(bus, kApplicationId, *request, activation) == wb::HandOver::Taken)
        return 0;
    // Only the one window grabs the key; one of its own beside a hung first window
    // would find it taken.
    wb::GlobalKey globalKey(kGlobalKeysym);
    wb::PortalShortcut portalShortcut(bus);
    if (!lostTheRace && QGuiApplication::platformName() == QLatin1String("xcb"))
        grabGlobalKey(globalKey, front);
    else if (!lostTheRace && QGuiApplication::platformName() == QLatin1String("wayland"))
        bindPortalShortcut(portalShortcut, front);
    MainForm.showCentred();
    if (request->word || request->selection)
        front.serve(*request, activation);
    return application.exec();
}
