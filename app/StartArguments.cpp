#include "app/StartArguments.h"

namespace wb {

QStringList commandLineWords(int argc, const char* const* argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    return words;
}

namespace {

// The options that stand alone: anything beside them is a mistake.
std::optional<StartRequest> soleOption(const QString& argument)
{
    StartRequest request;
    if (argument == QLatin1String("--selection"))
        request.selection = true;
    else if (argument == QLatin1String("--install-shortcut"))
        request.command = StartCommand::InstallShortcut;
    else if (argument == QLatin1String("--remove-shortcut"))
        request.command = StartCommand::RemoveShortcut;
    else
        return std::nullopt;
    return request;
}

} // namespace

std::optional<StartRequest> parseStartArguments(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        if (auto sole = soleOption(arguments.front()))
            return arguments.size() == 1 ? sole : std::nullopt;
    StartRequest request;
    qsizetype next = 0;
    if (next < arguments.size() && arguments[next] == QLatin1String("--de")) {
        request.direction = Direction::GermanToEnglish;
        ++next;
    }
    const bool optionsEnded = next < arguments.size() && arguments[next] == QLatin1String("--");
    if (optionsEnded)
        ++next;
    const qsizetype words = arguments.size() - next;
    if (words > 1)
        return std::nullopt;
    if (words == 0) {
        // "--de" or "--" alone would look nothing up: most likely the word went missing.
        if (next > 0)
            return std::nullopt;
        return request;
    }
    const QString& word = arguments[next];
    if (!optionsEnded && word.startsWith(QLatin1Char('-')))
        return std::nullopt; // an option we do not know
    request.word = word;
    return request;
}

} // namespace wb
