#pragma once
// Brings a window that is already open to the front when the user asks for it again.
// A desktop gives the focus to a window only on the user's behalf: the activation
// token (Wayland) or the startup id (X11) the new request came with says so.
#include <QString>

class QWidget;

namespace wb {

// Shows `window` if hidden or minimised, raises it and asks for the focus with the
// token or id, whichever the platform uses; an empty one asks without.
void activateWindow(QWidget& window, const QString& activationToken, const QString& startupId);

} // namespace wb
