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
#include <QDBusError>
#include <cstdio>
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
    if (!bus.registerService(QStringLiteral(WB_SEARCH_BUS_NAME)))
        return fail(QStringLiteral("cannot own the bus name %1: %2")
                        .arg(QStringLiteral(WB_SEARCH_BUS_NAME), bus.lastError().message()));
    return application.exec();
}
