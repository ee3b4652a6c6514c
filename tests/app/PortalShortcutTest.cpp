// The global shortcut through the desktop portal, against a stand-in portal on a
// private bus (portal-shortcut.sh starts it): the portal sees a session created and
// the shortcut bound, and its Activated signal runs the selection lookup.
#include "app/PortalShortcut.h"
#include "app/WindowFront.h"
#include "controls/PageControl.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"

#include <QClipboard>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

QDBusMessage callMock(const QString& member, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kPortal, kPortalPath, kMock, member);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

struct PortalCall {
    QString method;
    QVariantList arguments;
};

// What the stand-in portal was asked, in order (the mock's a(tsav)).
std::vector<PortalCall> portalCalls()
{
    const QDBusMessage reply = callMock(QStringLiteral("GetCalls"), {});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    std::vector<PortalCall> calls;
    const auto list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        qulonglong time = 0;
        PortalCall call;
        list.beginStructure();
        list >> time >> call.method >> call.arguments;
        list.endStructure();
        calls.push_back(call);
    }
    list.endArray();
    return calls;
}

// The id and properties of each shortcut BindShortcuts was given (its a(sa{sv})).
std::vector<std::pair<QString, QVariantMap>> boundShortcuts(const QVariant& argument)
{
    std::vector<std::pair<QString, QVariantMap>> shortcuts;
    const auto list = argument.value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString id;
        QVariantMap properties;
        list.beginStructure();
        list >> id >> properties;
        list.endStructure();
        shortcuts.emplace_back(id, properties);
    }
    list.endArray();
    return shortcuts;
}

void emitActivated(const QString& session, const QString& id)
{
    const QDBusMessage reply = callMock(
        QStringLiteral("EmitSignal"),
        {QStringLiteral("org.freedesktop.portal.GlobalShortcuts"), QStringLiteral("Activated"),
         QStringLiteral("osta{sv}"),
         QVariant::fromValue(QVariantList{
             QVariant::fromValue(QDBusObjectPath(session)), id, QVariant::fromValue(qulonglong(7)),
             QVariantMap{{QStringLiteral("activation_token"), QStringLiteral("token-7")}}})});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

class PortalShortcutTest : public ::testing::Test {
protected:
    PortalShortcutTest()
    {
        form.showCentred();
        QObject::connect(&shortcut, &PortalShortcut::activated, &front,
                         &WindowFront::portalShortcutActivated);
    }
    bool shows(int expectedPage, const QString& find, int milliseconds = 5'000)
    {
        auto* pages = form.findChild<TPageControl*>(QStringLiteral("PageControl2"));
        auto* edit = form.findChild<QLineEdit*>(expectedPage == 0 ? QStringLiteral("FindEd")
                                                                  : QStringLiteral("FindEd2"));
        return QTest::qWaitFor(
            [&] { return pages->currentIndex() == expectedPage && edit->text() == find; },
            milliseconds);
    }

    test::CollectingReporter files;
    TMainForm form{DataDirectory(std::filesystem::path(WB_DATA_DIR)), files};
    WindowFront front{form, [] { return std::filesystem::path(WB_DATA_DIR); }};
    PortalShortcut shortcut{QDBusConnection::sessionBus()};
};

TEST_F(PortalShortcutTest, BindsItsShortcutInASessionAndLooksUpOnActivation)
{
    ASSERT_TRUE(shortcut.start()) << shortcut.problem().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return shortcut.isBound(); }, 10'000))
        << shortcut.problem().toStdString();

    const auto calls = portalCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].method, QStringLiteral("CreateSession"));
    ASSERT_EQ(calls[1].method, QStringLiteral("BindShortcuts"));
    ASSERT_EQ(calls[1].arguments.size(), 4);
    const QString session = calls[1].arguments[0].value<QDBusObjectPath>().path();
    EXPECT_EQ(session, QStringLiteral("/org/freedesktop/portal/desktop/session/mock/woerterbuch"))
        << "the session the portal's response named";
    const auto shortcuts = boundShortcuts(calls[1].arguments[1]);
    ASSERT_EQ(shortcuts.size(), 1u);
    EXPECT_EQ(shortcuts[0].first, QString::fromLatin1(PortalShortcut::kShortcutId));
    EXPECT_EQ(shortcuts[0].second.value(QStringLiteral("preferred_trigger")).toString(),
              QStringLiteral("CTRL+ALT+w"));
    EXPECT_FALSE(shortcuts[0].second.value(QStringLiteral("description")).toString().isEmpty());

    QGuiApplication::clipboard()->setText(QStringLiteral("Haus"));
    emitActivated(session, QString::fromLatin1(PortalShortcut::kShortcutId));
    EXPECT_TRUE(shows(1, QStringLiteral("Haus")));

    QGuiApplication::clipboard()->setText(QStringLiteral("house"));
    emitActivated(session, QStringLiteral("another-shortcut"));
    emitActivated(QStringLiteral("/org/freedesktop/portal/desktop/session/x/other"),
                  QString::fromLatin1(PortalShortcut::kShortcutId));
    EXPECT_FALSE(shows(0, QStringLiteral("house"), 500)) << "not our shortcut, not our session";
    emitActivated(session, QString::fromLatin1(PortalShortcut::kShortcutId));
    EXPECT_TRUE(shows(0, QStringLiteral("house")));
}

} // namespace
} // namespace wb
