#include "search/ProcessLauncher.h"

#include "messages/QuotedInput.h"

#include <QProcess>
#include <cstdio>

namespace wb {

ProcessLauncher::ProcessLauncher(std::filesystem::path program)
    : m_program(std::move(program))
{
}

void ProcessLauncher::open(Direction direction, const QString& word)
{
    QProcess process;
    process.setProgram(QString::fromStdString(m_program.string()));
    process.setArguments(windowArguments(direction, word));
    if (!process.startDetached()) {
        const QString reason = QStringLiteral("cannot start %1: %2")
                                   .arg(QString::fromStdString(messages::quotedPath(m_program)),
                                        process.errorString());
        std::fprintf(stderr, "woerterbuch-search: %s\n", qPrintable(reason));
        throw WindowStartError(reason.toStdString());
    }
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
