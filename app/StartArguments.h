#pragma once
// What the command line asks of the window: nothing (it starts as designed), or a
// word to look up on the English page, or with "--de" on the German page. The
// desktop's search starts the window this way on the result the user chose.
#include "dictionary/Search.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace wb {

struct StartRequest {
    Direction direction = Direction::EnglishToGerman;
    std::optional<QString> word;
};

// The program's command line without its name, decoded as the system's file names are.
QStringList commandLineWords(int argc, const char* const* argv);

// `arguments` without the program's name. Nothing when they are not "[--de] [--] WORD"
// or empty.
std::optional<StartRequest> parseStartArguments(const QStringList& arguments);

inline constexpr const char* kStartUsage = "usage: woerterbuch [--de] [--] [WORD]";

} // namespace wb
