#include "platform/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>

namespace wb {

void activateWindow(QWidget& window, const QString& activationToken, const QString&)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    // Qt's Wayland plugin hands the compositor the token it finds in the environment
    // when a window asks for the focus.
    if (QGuiApplication::platformName() == QLatin1String("wayland") && !activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    window.activateWindow();
}

} // namespace wb
