#include "platform/WindowActivation.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWidget>
#include <cstring>
#include <xcb/xcb.h>

namespace wb {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

// Qt asks the window manager for the focus with the time of the last event it saw,
// which is older than the user's request when that came from another program or a
// grabbed key; a window manager that prevents focus stealing then refuses. This asks
// with the request's own time, as an application on the user's behalf (source 1).
void requestActiveX11(QWidget& window, unsigned userTime)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || userTime == 0)
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.winId());
    message.type = atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 1;
    message.data.data32[1] = userTime;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

} // namespace

void activateWindow(QWidget& window, const QString& activationToken, const QString& startupId,
                    unsigned userTime)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    // Qt's Wayland plugin hands the compositor the token it finds in the environment
    // when a window asks for the focus.
    if (QGuiApplication::platformName() == QLatin1String("wayland") && !activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    requestActiveX11(window, userTime ? userTime : startupIdTime(startupId));
    window.activateWindow();
}

unsigned startupIdTime(const QString& startupId)
{
    static const QRegularExpression time(QStringLiteral("_TIME([0-9]{1,10})$"));
    const auto match = time.match(startupId);
    const qulonglong value = match.hasMatch() ? match.captured(1).toULongLong() : 0;
    return value <= 0xffff'ffffu ? unsigned(value) : 0; // X11 times are 32 bits
}

} // namespace wb
