#pragma once
// What the command line asks of the window: nothing (it opens on the English page with
// an empty search), or a word to look up on the English page, or with "--de" on the
// German page, or with "--selection" the text selected in another program. The desktop's
// search starts the window this way on the result the user chose, the global shortcut
// with "--selection". "--install-shortcut" and "--remove-shortcut" open no window: they
// change the desktop's keyboard settings and end.
#include "dictionary/Search.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace wb {

enum class StartCommand { Window, InstallShortcut, RemoveShortcut };

struct StartRequest {
    Direction direction = Direction::EnglishToGerman;
    std::optional<QString> word;
    bool selection = false; // look up the selected text; direction and word are unset
    StartCommand command = StartCommand::Window;
};

// The program's command line without its name, decoded as the system's file names are.
QStringList commandLineWords(int argc, const char* const* argv);

// `arguments` without the program's name. Nothing when they are not "[--de] [--] WORD",
// "--selection", one of the shortcut options alone, or empty.
std::optional<StartRequest> parseStartArguments(const QStringList& arguments);

inline constexpr const char* kStartUsage =
    "usage: woerterbuch [--de] [--] [WORD]\n"
    "       woerterbuch --selection\n"
    "       woerterbuch --install-shortcut | --remove-shortcut";

} // namespace wb
