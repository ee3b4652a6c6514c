#pragma once
// Brings a window that is already open to the front when the user asks for it again.
// A desktop gives the focus to a window only on the user's behalf: the activation
// token (Wayland) or the startup id (X11) the new request came with says so.
#include <QString>

class QWidget;

namespace wb {

// Shows `window` if hidden or minimised, raises it and asks for the focus with the
// token or id, whichever the platform uses; an empty one asks without. On X11,
// `userTime` is the server time of the user's key press that asked for the window
// (0: the one the startup id carries, if any).
void activateWindow(QWidget& window, const QString& activationToken, const QString& startupId,
                    unsigned userTime = 0);

// The X server time a startup id carries ("…_TIME12345"); 0 when it has none.
unsigned startupIdTime(const QString& startupId);

} // namespace wb
