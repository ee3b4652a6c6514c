// The search service as the desktop meets it: one GetInitialResultSet answered by the
// running service over a bus, from D-Bus activation to the first answer, and the
// service's resident memory; and the same ranking in-process over the full-size
// generated lists. The bus is a private dbus-daemon started by the benchmark, whose
// service directory starts the built woerterbuch-search (over the bundled data).
#include "bench/BenchSupport.h"
#include "dictionary/DictionaryStore.h"
#include "search/SearchService.h"
#include "tests/support/Process.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace {

const QString kName = QStringLiteral(WB_SEARCH_BUS_NAME);
const QString kPath = QStringLiteral(WB_SEARCH_OBJECT_PATH);

// A dbus-daemon of its own whose only service is the built search service.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString services = m_dir.filePath(QStringLiteral("services"));
        QDir().mkpath(services);
        write(services + QStringLiteral("/") + kName + QStringLiteral(".service"),
              QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2\n")
                  .arg(kName, QStringLiteral(WB_SEARCH_PROGRAM)));
        const QString config = m_dir.filePath(QStringLiteral("session.conf"));
        write(config, QStringLiteral("<busconfig><type>session</type>"
                                     "<listen>unix:dir=%1</listen><servicedir>%2</servicedir>"
                                     "<policy context=\"default\"><allow send_destination=\"*\"/>"
                                     "<allow receive_sender=\"*\"/><allow own=\"*\"/>"
                                     "</policy></busconfig>")
                          .arg(m_dir.path(), services));
        m_daemon = std::make_unique<wb::test::ChildProcess>(
            "/usr/bin/dbus-daemon",
            std::vector<std::string>{"--nofork", "--print-address",
                                     "--config-file=" + config.toStdString()});
        std::string printed;
        for (int i = 0; i < 500 && printed.find('\n') == std::string::npos; ++i) {
            QThread::msleep(10);
            printed = m_daemon->outputSoFar();
        }
        if (printed.find('\n') == std::string::npos)
            throw std::runtime_error("dbus-daemon did not start");
        const QString address =
            QString::fromStdString(printed.substr(0, printed.find('\n'))).trimmed();
        m_connection = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("bench")));
        if (!m_connection->isConnected())
            throw std::runtime_error("cannot connect to the private bus");
    }
    // Ends the running service and waits until the bus knows, so that the next call
    // starts it again.
    void stopService()
    {
        const uint pid = m_connection->interface()->servicePid(kName);
        if (pid == 0 || ::kill(pid_t(pid), SIGTERM) != 0)
            throw std::runtime_error("no service to stop");
        while (m_connection->interface()->isServiceRegistered(kName))
            QThread::msleep(1);
    }

    QStringList initialResults(const QString& term)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kName, kPath, QStringLiteral("org.gnome.Shell.SearchProvider2"),
            QStringLiteral("GetInitialResultSet"));
        call.setArguments({QStringList{term}});
        const QDBusMessage reply = m_connection->call(call, QDBus::Block, 10'000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            throw std::runtime_error(reply.errorMessage().toStdString());
        return reply.arguments().value(0).toStringList();
    }

    // The service's resident memory in KiB, from its process's status.
    double serviceResidentKiB()
    {
        const uint pid = m_connection->interface()->servicePid(kName);
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0)
                return std::stod(line.substr(6));
        return 0;
    }

private:
    static void write(const QString& path, const QString& text)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            throw std::runtime_error("cannot write " + path.toStdString());
    }

    QTemporaryDir m_dir;
    std::unique_ptr<wb::test::ChildProcess> m_daemon;
    std::unique_ptr<QDBusConnection> m_connection;
};

// One for the whole run, never torn down: the process ends with it.
PrivateBus& bus()
{
    static PrivateBus* const bus = new PrivateBus;
    return *bus;
}

const char* const kTexts[] = {"h", "ho", "hou"};

void BM_InitialResultSetOverBus(benchmark::State& state)
{
    const QString text = QString::fromLatin1(kTexts[state.range(0)]);
    bus().initialResults(text); // activation is not part of an answer
    std::size_t results = 0;
    for (auto _ : state)
        results = std::size_t(bus().initialResults(text).size());
    state.counters["results"] = double(results);
    state.counters["resident_KiB"] = bus().serviceResidentKiB();
    state.SetLabel(text.toStdString());
}

// Each iteration first ends the service, so that the call finds none running and the
// bus starts it: process start, loading both files, registering, answering.
void BM_ActivationToFirstAnswer(benchmark::State& state)
{
    bus().initialResults(QStringLiteral("hou"));
    double resident = 0;
    for (auto _ : state) {
        bus().stopService();
        const auto start = std::chrono::steady_clock::now();
        bus().initialResults(QStringLiteral("hou"));
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        resident = bus().serviceResidentKiB();
    }
    state.counters["resident_KiB"] = resident;
}

// The service's own work, without the bus, over the generated full-size lists.
void BM_FindInProcess(benchmark::State& state)
{
    static const wb::DictionaryStore store = [] {
        wb::DictionaryStore s;
        s.loadEnglish(wb::bench::fullSizeFiles().engdeu);
        s.loadGerman(wb::bench::fullSizeFiles().deueng);
        return s;
    }();
    struct NoWindow final : wb::WindowLauncher {
        void open(wb::Direction, const QString&) override {}
    } launcher;
    wb::SearchService service(store, launcher);
    const QString text = QString::fromLatin1(kTexts[state.range(0)]);
    std::size_t hits = 0;
    for (auto _ : state)
        hits = std::size_t(service.find(text, wb::SearchService::kGnomeLimit).size());
    state.counters["hits"] = double(hits);
    state.SetLabel(text.toStdString());
}

BENCHMARK(BM_InitialResultSetOverBus)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActivationToFirstAnswer)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindInProcess)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
