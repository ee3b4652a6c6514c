#pragma once
// Starts the dictionary's window as a process of its own, from the directory the
// service runs from, so the window and the service read the same vocabulary.
#include "search/SearchService.h"

#include <QStringList>
#include <filesystem>

namespace wb {

class ProcessLauncher : public WindowLauncher {
public:
    explicit ProcessLauncher(std::filesystem::path program);
    void open(Direction direction, const QString& word) override;

private:
    std::filesystem::path m_program;
};

// The window's arguments for a word: "--de" for the German page, and "--" so that a
// word that begins with a dash is taken as the word.
QStringList windowArguments(Direction direction, const QString& word);

} // namespace wb
