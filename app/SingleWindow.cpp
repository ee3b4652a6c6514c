#include "app/SingleWindow.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QFileInfo>
#include <QTimer>

namespace wb {
namespace {

const QString kApplicationInterface = QStringLiteral("org.freedesktop.Application");
const QString kTokenKey = QStringLiteral("activation-token");
const QString kStartupIdKey = QStringLiteral("desktop-startup-id");

QVariantMap platformDataOf(const Activation& activation)
{
    QVariantMap data;
    if (!activation.token.isEmpty())
        data.insert(kTokenKey, activation.token);
    if (!activation.startupId.isEmpty())
        data.insert(kStartupIdKey, activation.startupId);
    return data;
}

void reject(const QDBusMessage& call, const QString& name, const QString& text)
{
    if (call.type() != QDBusMessage::MethodCallMessage)
        return; // a direct call, not one from the bus
    call.setDelayedReply(true);
    QDBusConnection::sessionBus().send(call.createErrorReply(name, text));
}

} // namespace

Activation activationFromEnvironment()
{
    return {qEnvironmentVariable("XDG_ACTIVATION_TOKEN"),
            qEnvironmentVariable("DESKTOP_STARTUP_ID")};
}

ApplicationCall applicationCall(const StartRequest& request, const Activation& activation)
{
    const QVariant data = platformDataOf(activation);
    if (request.selection)
        return {QStringLiteral("ActivateAction"),
                {QString::fromLatin1(kSelectionAction), QVariantList{}, data}};
    if (!request.word)
        return {QStringLiteral("Activate"), {data}};
    const QString page = request.direction == Direction::GermanToEnglish ? QStringLiteral("de")
                                                                         : QStringLiteral("en");
    return {QStringLiteral("ActivateAction"),
            {QString::fromLatin1(kLookUpAction), QVariantList{page, *request.word}, data}};
}

std::optional<StartRequest> requestOfAction(const QString& action, const QVariantList& parameters)
{
    StartRequest request;
    if (action == QLatin1String(kSelectionAction) && parameters.isEmpty()) {
        request.selection = true;
        return request;
    }
    if (action != QLatin1String(kLookUpAction) || parameters.size() != 2)
        return std::nullopt;
    const QString page = parameters[0].toString();
    if (page == QLatin1String("de"))
        request.direction = Direction::GermanToEnglish;
    else if (page != QLatin1String("en"))
        return std::nullopt;
    if (parameters[1].metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    request.word = parameters[1].toString();
    return request;
}

Activation activationOf(const QVariantMap& platformData)
{
    return {platformData.value(kTokenKey).toString(), platformData.value(kStartupIdKey).toString()};
}

QDBusConnection sessionBusIfAny()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool userBus = !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || userBus)
        return QDBusConnection::sessionBus();
    return QDBusConnection(QStringLiteral("wb-no-session-bus"));
}

QString applicationPath(const QString& id)
{
    return QLatin1Char('/') + QString(id).replace(QLatin1Char('.'), QLatin1Char('/'));
}

HandOver handOver(const QDBusConnection& bus, const QString& id, const StartRequest& request,
                  const Activation& activation, std::chrono::milliseconds timeout)
{
    if (!bus.isConnected())
        return HandOver::NoWindow;
    const ApplicationCall call = applicationCall(request, activation);
    QDBusMessage message =
        QDBusMessage::createMethodCall(id, applicationPath(id), kApplicationInterface, call.member);
    message.setArguments(call.arguments);
    // Nothing starts the window for us: without an owner the bus answers at once.
    message.setAutoStartService(false);
    const QDBusMessage reply = bus.call(message, QDBus::Block, int(timeout.count()));
    if (reply.type() == QDBusMessage::ReplyMessage)
        return HandOver::Taken;
    return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
                   reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
               ? HandOver::NoWindow
               : HandOver::NoAnswer;
}

Claim claimApplicationId(QDBusConnection bus, const QString& id, QObject& object)
{
    if (!bus.isConnected())
        return Claim::NoBus;
    // The object is in place before the name: a call that comes as soon as the name is
    // ours finds it.
    if (!bus.registerObject(applicationPath(id), &object, QDBusConnection::ExportAdaptors))
        return Claim::NoBus;
    const auto reply =
        bus.interface()->registerService(id, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Claim::Owned;
    bus.unregisterObject(applicationPath(id));
    return reply.isValid() ? Claim::OwnedByAnother : Claim::NoBus;
}

ApplicationAdaptor::ApplicationAdaptor(QObject& parent, WindowRequests& requests)
    : QDBusAbstractAdaptor(&parent)
    , m_requests(requests)
{
}

// The reply goes out before the request is served: it says the window took the
// request, and a box the lookup may show must not keep the caller waiting.
void ApplicationAdaptor::serveLater(const StartRequest& request, const Activation& activation)
{
    QTimer::singleShot(0, this,
                       [this, request, activation] { m_requests.serve(request, activation); });
}

void ApplicationAdaptor::Activate(const QVariantMap& platformData)
{
    serveLater(StartRequest{}, activationOf(platformData));
}

void ApplicationAdaptor::Open(const QStringList&, const QVariantMap&, const QDBusMessage& message)
{
    reject(message, QStringLiteral("org.freedesktop.DBus.Error.NotSupported"),
           QStringLiteral("Wörterbuch opens no files"));
}

void ApplicationAdaptor::ActivateAction(const QString& action, const QVariantList& parameters,
                                        const QVariantMap& platformData,
                                        const QDBusMessage& message)
{
    const auto request = requestOfAction(action, parameters);
    if (!request) {
        reject(message, QDBusError::errorString(QDBusError::InvalidArgs),
               QStringLiteral("There is no action \"%1\" with these parameters").arg(action));
        return;
    }
    serveLater(*request, activationOf(platformData));
}

} // namespace wb
