#pragma once
// One window per session. The first start owns the application id on the session bus
// and answers org.freedesktop.Application there; a later start hands its request to it
// and ends. This knows nothing of the window: a WindowRequests receives what was
// asked. Without a session bus, or when the owner does not answer in time, a start
// keeps a window of its own.
#include "app/StartArguments.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>
#include <QVariantMap>
#include <chrono>

namespace wb {

// What lets the desktop give the focus to a window that the user has just asked for:
// the Wayland activation token or the X11 startup id this start was given.
struct Activation {
    QString token;         // XDG_ACTIVATION_TOKEN
    QString startupId;     // DESKTOP_STARTUP_ID
    unsigned userTime = 0; // X11: the time of the key press that asked, when known
};

// Read before the toolkit starts, which takes the startup id for its own first window.
Activation activationFromEnvironment();

class WindowRequests {
public:
    virtual ~WindowRequests() = default;
    virtual void serve(const StartRequest& request, const Activation& activation) = 0;
};

// A request as the org.freedesktop.Application call that carries it: Activate for a
// plain start, ActivateAction "look-up" (page "en" or "de", word) or
// "look-up-selection" otherwise. The desktop file's action has the same name.
struct ApplicationCall {
    QString member;
    QVariantList arguments;
};
ApplicationCall applicationCall(const StartRequest& request, const Activation& activation);
inline constexpr const char* kLookUpAction = "look-up";
inline constexpr const char* kSelectionAction = "look-up-selection";
// The request behind an action; nothing for an action or parameters we do not know.
std::optional<StartRequest> requestOfAction(const QString& action, const QVariantList& parameters);
Activation activationOf(const QVariantMap& platformData);

// The session's bus, or a connection that is not connected when the session has none:
// asked for a bus without an address, libdbus would start one of its own for the X
// display (dbus-launch), which outlives the window.
QDBusConnection sessionBusIfAny();

// "org.example.woerterbuch" is served at "/org/example/woerterbuch".
QString applicationPath(const QString& id);

inline constexpr std::chrono::milliseconds kHandOverTimeout{1000};

enum class HandOver {
    Taken,    // the window that owns the id took the request
    NoWindow, // nobody owns the id, or there is no bus
    NoAnswer, // the owner did not answer in time, or refused
};

// Hands the request to the window that owns `id` on the bus.
HandOver handOver(const QDBusConnection& bus, const QString& id, const StartRequest& request,
                  const Activation& activation,
                  std::chrono::milliseconds timeout = kHandOverTimeout);

enum class Claim { Owned, OwnedByAnother, NoBus };

// Registers `object` with its adaptors at the id's path, then takes the id as bus name
// (without queueing: a second window never inherits the name of the first).
Claim claimApplicationId(QDBusConnection bus, const QString& id, QObject& object);

class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // Attaches itself to `parent`, which owns it; `requests` must outlive it.
    ApplicationAdaptor(QObject& parent, WindowRequests& requests);

public slots:
    void Activate(const QVariantMap& platformData);
    // There is nothing to open: the window shows no files. Answered with an error.
    void Open(const QStringList& uris, const QVariantMap& platformData,
              const QDBusMessage& message);
    void ActivateAction(const QString& action, const QVariantList& parameters,
                        const QVariantMap& platformData, const QDBusMessage& message);

private:
    void serveLater(const StartRequest& request, const Activation& activation);

    WindowRequests& m_requests;
};

} // namespace wb
