#include "app/PortalShortcut.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace wb {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcutEntry {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

} // namespace
} // namespace wb

Q_DECLARE_METATYPE(wb::PortalShortcutEntry)

namespace wb {

PortalShortcut::PortalShortcut(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    qDBusRegisterMetaType<PortalShortcutEntry>();
    qDBusRegisterMetaType<QList<PortalShortcutEntry>>();
}

bool PortalShortcut::start()
{
    if (!m_bus.isConnected()) {
        m_problem = QStringLiteral("there is no session bus");
        return false;
    }
    QDBusMessage version = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    version.setArguments({kShortcutsInterface, QStringLiteral("version")});
    if (m_bus.call(version, QDBus::Block, 2'000).type() != QDBusMessage::ReplyMessage) {
        m_problem = QStringLiteral("the desktop portal offers no global shortcuts");
        return false;
    }
    // Any path: a portal older than the request-path rule answers on a path of its
    // own, and the answer can come before the reply that names it.
    m_bus.connect(kPortal, QString(), kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(QDBusMessage)));
    m_bus.connect(kPortal, kPortalPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(onActivated(QDBusMessage)));
    call(QStringLiteral("CreateSession"),
         {QVariantMap{
             {QStringLiteral("handle_token"), QStringLiteral("woerterbuch%1").arg(++m_tokens)},
             {QStringLiteral("session_handle_token"), QStringLiteral("woerterbuch")}}},
         Step::CreatingSession);
    return true;
}

void PortalShortcut::call(const QString& member, const QVariantList& arguments, Step step)
{
    m_step = step;
    m_request.clear();
    QDBusMessage message =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcutsInterface, member);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, member](auto* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (reply.isError()) {
            fail(member + QStringLiteral(" failed: ") + reply.error().message());
            return;
        }
        m_request = reply.value().path();
        const auto early = m_early.find(m_request);
        if (early != m_early.end()) {
            const QDBusMessage response = early->second;
            m_early.clear();
            onResponse(response);
        }
    });
}

void PortalShortcut::onResponse(const QDBusMessage& message)
{
    if (m_step != Step::CreatingSession && m_step != Step::Binding)
        return;
    if (m_request.isEmpty()) {
        m_early.emplace(message.path(), message);
        return;
    }
    if (message.path() != m_request || message.arguments().size() != 2)
        return;
    const uint code = message.arguments()[0].toUInt();
    const QVariantMap results = qdbus_cast<QVariantMap>(message.arguments()[1]);
    handleResponse(code, results);
}

void PortalShortcut::handleResponse(uint code, const QVariantMap& results)
{
    // 1: the user cancelled; 2: the portal failed.
    if (code != 0) {
        fail(code == 1 ? QStringLiteral("the desktop's shortcut dialog was cancelled")
                       : QStringLiteral("the desktop portal could not bind the shortcut"));
        return;
    }
    if (m_step == Step::CreatingSession) {
        m_session = results.value(QStringLiteral("session_handle")).toString();
        if (m_session.isEmpty()) {
            fail(QStringLiteral("the desktop portal gave no session"));
            return;
        }
        const QList<PortalShortcutEntry> shortcuts{
            {QString::fromLatin1(kShortcutId),
             {{QStringLiteral("description"), QStringLiteral("Markierten Text nachschlagen")},
              {QStringLiteral("preferred_trigger"), QStringLiteral("CTRL+ALT+w")}}}};
        call(QStringLiteral("BindShortcuts"),
             {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(shortcuts),
              QString(),
              QVariantMap{{QStringLiteral("handle_token"),
                           QStringLiteral("woerterbuch%1").arg(++m_tokens)}}},
             Step::Binding);
        return;
    }
    m_step = Step::Bound;
    m_bound = true;
}

void PortalShortcut::onActivated(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (!m_bound || arguments.size() != 4)
        return;
    const QString session = arguments[0].value<QDBusObjectPath>().path();
    if (session != m_session || arguments[1].toString() != QLatin1String(kShortcutId))
        return;
    const QVariantMap options = qdbus_cast<QVariantMap>(arguments[3]);
    emit activated(options.value(QStringLiteral("activation_token")).toString());
}

void PortalShortcut::fail(const QString& problem)
{
    m_step = Step::Idle;
    m_problem = problem;
    emit failed();
}

} // namespace wb
