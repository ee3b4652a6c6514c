// woerterbuch-search: the dictionary for the desktop's own search, started by D-Bus
// when the shell or KRunner first asks, ended by itself once nobody has asked for a
// while.
#include "dictionary/DictionaryStore.h"
#include "search/GnomeSearchProvider.h"
#include "search/KRunner.h"
#include "search/ProcessLauncher.h"
#include "search/SearchService.h"
#include "system/ErrorReporter.h"
#include "system/ExecutablePath.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusReply>
#include <cstdio>
#include <dbus/dbus.h>
#include <malloc.h>

namespace {

// Nobody watches a bus-activated service but the session's log, which is where its
// standard error goes.
class StandardErrorReporter : public wb::ErrorReporter {
public:
    void reportError(std::string_view message) override
    {
        std::fprintf(stderr, "woerterbuch-search: %.*s\n", int(message.size()), message.data());
    }
};

int fail(const QString& message)
{
    std::fprintf(stderr, "woerterbuch-search: %s\n", qPrintable(message));
    return 1;
}

// libdbus stops reading a connection while the messages it has read and not yet freed
// pass 63 MiB, and starts again when one of them is freed; here they are freed on the
// main thread, and QtDBus then cannot enable its socket notifier from there, so after
// one huge call the service would read nothing more. A limit above the largest message
// the bus lets through keeps the connection always read; each call's work is bounded
// (CallLimits.h), so what is read is soon freed.
void allowLargeCalls(const QDBusConnection& bus)
{
    constexpr long kReceivedBytes = 4L << 30;
    dbus_connection_set_max_received_size(static_cast<DBusConnection*>(bus.internalPointer()),
                                          kReceivedBytes);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (application.arguments().size() > 1) {
        std::fprintf(stderr, "usage: woerterbuch-search (takes no arguments; D-Bus starts it)\n");
        return 64;
    }
    const std::filesystem::path directory = wb::executableDirectory();
    if (directory.empty())
        return fail(QStringLiteral("cannot find the program's own directory"));

    StandardErrorReporter errors;
    wb::DictionaryStore store;
    store.OpenDistNow(directory, errors);
    wb::StoreForms forms(store, directory,
                         [&errors](std::string_view file, std::string_view problem) {
                             errors.reportError(std::string(file) + ": " + std::string(problem) +
                                                "; searching without its forms");
                         });
    // Read before the first query, which is answered while the user types.
    forms.preload();
    // Loading read each file whole before decoding it; hand those pages back, or they
    // stay resident as long as the service runs.
    malloc_trim(0);
    wb::ProcessLauncher launcher(directory / "woerterbuch");
    wb::SearchService service(store, launcher);
    service.setForms(&forms);
    wb::registerKRunnerTypes();
    new wb::GnomeSearchProvider(service);
    new wb::KRunner(service, QStringLiteral(WB_ICON_NAME));
    QObject::connect(&service, &wb::SearchService::idle, &application, &QCoreApplication::quit);

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QStringLiteral("no session bus: ") + bus.lastError().message());
    // The object is in place before the name is taken: the calls that started the
    // service are delivered as soon as the name is ours.
    if (!bus.registerObject(QStringLiteral(WB_SEARCH_OBJECT_PATH), &service,
                            QDBusConnection::ExportAdaptors))
        return fail(QStringLiteral("cannot register the object ") + WB_SEARCH_OBJECT_PATH);
    allowLargeCalls(bus);
    const QString name = QStringLiteral(WB_SEARCH_BUS_NAME);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> owned =
        bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!owned.isValid())
        return fail(
            QStringLiteral("cannot own the bus name %1: %2").arg(name, owned.error().message()));
    if (owned.value() != QDBusConnectionInterface::ServiceRegistered)
        return fail(
            QStringLiteral("cannot own the bus name %1: another process owns it").arg(name));
    return application.exec();
}
