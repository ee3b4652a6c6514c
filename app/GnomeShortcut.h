#pragma once
// The global shortcut on GNOME: a custom keybinding of GNOME's settings daemon that
// runs "woerterbuch --selection", written and taken back through GSettings (the
// gsettings tool) on the user's request only. The binding lives at a path of its own,
// so the user's own custom keybindings are never touched. It opens no window.
#include <QString>
#include <QStringList>
#include <optional>

namespace wb {

inline constexpr const char* kGnomeBinding = "<Primary><Alt>w";
inline constexpr const char* kGnomeBindingPath =
    "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/woerterbuch/";

// The list of custom keybinding paths as gsettings prints it ("@as []",
// "['/a/', '/b/']"); nothing when it is not such a list.
std::optional<QStringList> parsePathList(const QString& printed);
QString formatPathList(const QStringList& paths);
// `text` as a GVariant string literal.
QString variantString(const QString& text);
// `path` as one word of a command line, quoted only when it needs to be.
QString shellWord(const QString& path);

// Adds the keybinding that runs `program --selection`, or updates it; the other
// keybindings stay as they were. Prints what it did, or why it could not; the exit
// status for the program (0, or 1 when it failed).
int installGnomeShortcut(const QString& program);
// Removes that keybinding again, and only it.
int removeGnomeShortcut();

} // namespace wb
