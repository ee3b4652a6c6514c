#pragma once
// The global shortcut through the desktop portal's GlobalShortcuts interface, which
// Wayland desktops offer instead of key grabs (KDE Plasma 5.27 among them): a
// session, one shortcut bound in it ("look-up-selection", Ctrl+Alt+W proposed; the
// desktop asks the user and may choose another key), and its activations. Every step
// is asynchronous, so the window is not held up while the desktop asks.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <map>

namespace wb {

class PortalShortcut : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kShortcutId = "look-up-selection";

    explicit PortalShortcut(QDBusConnection bus, QObject* parent = nullptr);

    // Asks the portal for the shortcut; false when the bus has no portal with
    // GlobalShortcuts (the reason is then in problem()).
    bool start();
    bool isBound() const { return m_bound; }
    QString problem() const { return m_problem; }

signals:
    // The user pressed the shortcut; `activationToken` lets the window take the focus.
    void activated(const QString& activationToken);
    // The portal refused or failed; problem() says why.
    void failed();

private slots:
    void onResponse(const QDBusMessage& message);
    void onActivated(const QDBusMessage& message);

private:
    enum class Step { Idle, CreatingSession, Binding, Bound };
    void call(const QString& member, const QVariantList& arguments, Step step);
    void handleResponse(uint code, const QVariantMap& results);
    void fail(const QString& problem);

    QDBusConnection m_bus;
    Step m_step = Step::Idle;
    QString m_request;                       // the Request object of the step under way
    std::map<QString, QDBusMessage> m_early; // responses that came before their call's reply
    QString m_session;
    bool m_bound = false;
    QString m_problem;
    int m_tokens = 0;
};

} // namespace wb
