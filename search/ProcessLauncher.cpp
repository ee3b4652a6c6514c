#include "search/ProcessLauncher.h"

#include <QProcess>
#include <cstdio>

namespace wb {

ProcessLauncher::ProcessLauncher(std::filesystem::path program)
    : m_program(std::move(program))
{
}

void ProcessLauncher::open(Direction direction, const QString& word)
{
    const QString program = QString::fromStdString(m_program.string());
    if (!QProcess::startDetached(program, windowArguments(direction, word)))
        std::fprintf(stderr, "woerterbuch-search: cannot start %s\n", qPrintable(program));
}

QStringList windowArguments(Direction direction, const QString& word)
{
    QStringList arguments;
    if (direction == Direction::GermanToEnglish)
        arguments << QStringLiteral("--de");
    arguments << QStringLiteral("--") << word;
    return arguments;
}

} // namespace wb
