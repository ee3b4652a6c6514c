#pragma once
// The word the window starts on. A word copied out of a text is often a form that
// no headword begins with ("Häusern"); the window then starts on its base ("Haus"),
// so that the search field holds a word the dictionary has. Any word that the
// window's own search finds is left as it is.
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"

#include <QString>
#include <filesystem>
#include <functional>

namespace wb {

// The forms files are read from the directory `locate` names, only when the word needs
// them; a directory or a forms file that cannot be had leaves only the rules.
QString startWord(const DictionaryStore& store,
                  const std::function<std::filesystem::path()>& locate, Direction direction,
                  const QString& word);

} // namespace wb
