#include "platform/Pointer.h"

#include <QApplication>
#include <QCursor>

namespace wb {

QPoint pointerPosition()
{
    return QCursor::pos();
}

QWidget* controlAt(QPoint global)
{
    return QApplication::widgetAt(global);
}

bool applicationIsActive()
{
    // Qt reports the application state from the platform where it can and from the
    // focus window otherwise; the active window also goes when the desktop hands
    // activation to another program, so both must agree.
    return QGuiApplication::applicationState() == Qt::ApplicationActive &&
           QApplication::activeWindow() != nullptr;
}

} // namespace wb
