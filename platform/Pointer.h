#pragma once
// What a control may ask of the desktop about the pointer: where it is, which control
// lies under it, and whether this application is the one the user is working in. It
// does not track anything itself; every answer is read from the desktop at the call.
#include <QPoint>

class QWidget;

namespace wb {

// The pointer's position on the screen now.
QPoint pointerPosition();

// The innermost control of this application under a screen position, disabled
// controls included; none where no window of the application is.
QWidget* controlAt(QPoint global);

// One of the application's windows is the active window of the desktop.
bool applicationIsActive();

} // namespace wb
