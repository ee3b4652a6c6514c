// The installed service on a private session bus, as the desktop meets it: started by
// the bus from its .service file on the first call, answering both interfaces,
// protected by the bus from malformed text, and gone after its idle time. Run by
// bus-session.sh inside dbus-run-session; the cases run in order, the idle one last.
#include "search/KRunnerTypes.h"
#include "tests/search/RawBusClient.h"
#include "tests/support/Process.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace wb {
namespace {

const QString kName = QStringLiteral(WB_SEARCH_BUS_NAME);
const QString kPath = QStringLiteral(WB_SEARCH_OBJECT_PATH);
const QString kGnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString kKRunner = QStringLiteral("org.kde.krunner1");

QDBusMessage call(const QString& interface, const QString& member, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kName, kPath, interface, member);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 10'000);
}

bool serviceRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kName);
}

QStringList initialResults(const QString& term)
{
    const QDBusMessage reply =
        call(kGnome, QStringLiteral("GetInitialResultSet"), {QStringList{term}});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0).toStringList();
}

RemoteMatches match(const QString& query)
{
    const QDBusMessage reply = call(kKRunner, QStringLiteral("Match"), {query});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return qdbus_cast<RemoteMatches>(reply.arguments().value(0));
}

class BusSession : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        registerKRunnerTypes();
        qDBusRegisterMetaType<QList<QVariantMap>>();
    }
};

TEST_F(BusSession, TheFirstCallStartsTheServiceAndTheShellGetsHouseWithItsTranslation)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    ASSERT_FALSE(serviceRuns()) << "the private bus must start without the service";
    const QStringList ids = initialResults(QStringLiteral("hou"));
    EXPECT_TRUE(serviceRuns());
    ASSERT_FALSE(ids.isEmpty());
    EXPECT_LE(ids.size(), 5);

    const QDBusMessage reply = call(kGnome, QStringLiteral("GetResultMetas"), {ids});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const auto metas = qdbus_cast<QList<QVariantMap>>(reply.arguments().value(0));
    ASSERT_EQ(metas.size(), ids.size());
    bool house = false;
    for (const QVariantMap& meta : metas) {
        EXPECT_TRUE(ids.contains(meta.value(QStringLiteral("id")).toString()));
        if (meta.value(QStringLiteral("name")).toString() != QStringLiteral("house"))
            continue;
        house = true;
        const QString description = meta.value(QStringLiteral("description")).toString();
        EXPECT_TRUE(description.startsWith(QStringLiteral("Haus"))) << description.toStdString();
        EXPECT_FALSE(meta.contains(QStringLiteral("clipboardText")));
    }
    EXPECT_TRUE(house) << "no meta names house";
}

TEST_F(BusSession, KRunnerGetsHausFirstAtFullRelevance)
{
    const RemoteMatches matches = match(QStringLiteral("haus"));
    ASSERT_FALSE(matches.isEmpty());
    EXPECT_LE(matches.size(), 10);
    EXPECT_EQ(matches[0].text, QStringLiteral("Haus"));
    EXPECT_EQ(matches[0].relevance, 1.0);
    EXPECT_EQ(matches[0].type, RemoteMatch::ExactMatch);
    EXPECT_EQ(matches[0].properties.value(QStringLiteral("subtext")).toString(),
              QStringLiteral("house"));
}

TEST_F(BusSession, WrongIdsAreAnsweredWithAnError)
{
    const QDBusMessage reply =
        call(kKRunner, QStringLiteral("Run"), {QStringLiteral("en:99999"), QString()});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
}

TEST_F(BusSession, ATextOfTenThousandLettersFindsNothing)
{
    EXPECT_TRUE(initialResults(QString(10'000, QLatin1Char('x'))).isEmpty());
    EXPECT_TRUE(match(QString(10'000, QChar(0x00E4))).isEmpty());
}

TEST_F(BusSession, TheBusDropsACallWithTextThatIsNotUtf8)
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_NE(address, nullptr);
    test::RawBusClient raw(address);
    ASSERT_TRUE(raw.open());
    const std::string name = kName.toStdString(), path = kPath.toStdString(),
                      krunner = kKRunner.toStdString();

    // The same client's well-formed call is answered, so the writer is right...
    raw.call(name, path, krunner, "Match", {"haus"});
    std::optional<std::string> reply;
    while ((reply = raw.receive(std::chrono::seconds(5))) && test::messageType(*reply) != 2) {
    }
    ASSERT_TRUE(reply) << "no answer to a well-formed call";
    EXPECT_NE(reply->find("Haus"), std::string::npos);

    // ...and the one with a lone continuation byte and an overlong "/" ends the connection.
    raw.call(name, path, krunner, "Match", {"ha\x80us\xc0\xaf"});
    while ((reply = raw.receive(std::chrono::seconds(5)))) {
        EXPECT_NE(test::messageType(*reply), 2) << "the service answered the malformed call";
    }
    EXPECT_TRUE(raw.closedByPeer());
    // The service itself never saw it and goes on answering.
    EXPECT_EQ(match(QStringLiteral("haus")).value(0).text, QStringLiteral("Haus"));
}

// Calls far beyond what a shell sends, each followed by an ordinary one: the service
// refuses or answers them at once and goes on answering every client.
TEST_F(BusSession, CallsOfAnySizeLeaveTheServiceAnsweringTheNext)
{
    const QStringList manyIds(600'000, QStringLiteral("en:1"));
    QDBusMessage reply = call(kGnome, QStringLiteral("GetResultMetas"), {manyIds});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName().toStdString(), "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(reply.errorMessage().toStdString(),
              "A call asks for 600000 ids; at most 256 are answered");
    EXPECT_FALSE(initialResults(QStringLiteral("haus")).isEmpty());

    reply = call(kGnome, QStringLiteral("GetInitialResultSet"),
                 {QStringList(100'000, QStringLiteral("haus"))});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_FALSE(initialResults(QStringLiteral("haus")).isEmpty());

    // Past 63 MiB, what libdbus reads by default before it pauses the connection.
    QDBusConnection big =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("big"));
    for (int round = 0; round < 2; ++round) {
        QDBusMessage huge =
            QDBusMessage::createMethodCall(kName, kPath, kKRunner, QStringLiteral("Match"));
        huge.setArguments({QString(80'000'000, QLatin1Char('h'))});
        const QDBusMessage answer = big.call(huge, QDBus::Block, 60'000);
        EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage)
            << round << " " << answer.errorMessage().toStdString();
        EXPECT_FALSE(match(QStringLiteral("haus")).isEmpty()) << round;
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("big"));
}

// A second copy of the service cannot take the name and says why.
TEST_F(BusSession, ASecondInstanceSaysAnotherProcessOwnsTheName)
{
    ASSERT_FALSE(initialResults(QStringLiteral("haus")).isEmpty());
    const QDBusReply<uint> pid = QDBusConnection::sessionBus().interface()->servicePid(kName);
    ASSERT_TRUE(pid.isValid());
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid.value()));
    ASSERT_FALSE(program.isEmpty());
    test::ProcessOptions options;
    options.timeLimit = std::chrono::seconds(60);
    const test::ProcessResult second = test::runProcess(program.toStdString(), {}, options);
    ASSERT_FALSE(second.timedOut);
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_EQ(second.err, "woerterbuch-search: cannot own the bus name " + kName.toStdString() +
                              ": another process owns it\n");
    EXPECT_FALSE(initialResults(QStringLiteral("haus")).isEmpty());
}

TEST_F(BusSession, TheServiceEndsAMinuteAfterTheLastCall)
{
    ASSERT_FALSE(initialResults(QStringLiteral("haus")).isEmpty());
    QElapsedTimer sinceLastCall;
    sinceLastCall.start();
    while (serviceRuns() && sinceLastCall.elapsed() < 90'000)
        QThread::msleep(250);
    EXPECT_FALSE(serviceRuns()) << "still running 90 s after the last call";
    EXPECT_GE(sinceLastCall.elapsed(), 59'000);
}

} // namespace
} // namespace wb
