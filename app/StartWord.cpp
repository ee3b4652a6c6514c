#include "app/StartWord.h"

#include "dictionary/Windows1252.h"
#include "forms/StoreForms.h"
#include "system/ExecutablePath.h"

namespace wb {

QString startWord(const DictionaryStore& store,
                  const std::function<std::filesystem::path()>& locate, Direction direction,
                  const QString& word)
{
    const std::string key = toWindows1252(word.toStdU16String());
    const WordList& words =
        direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
    if (key.empty() || !asciiMatches(words, key, MatchScope::Prefix).empty())
        return word;
    std::filesystem::path directory;
    try {
        directory = locate();
    } catch (const ExecutablePathError&) {
        // The store then holds nothing either; the rules find nothing in it.
    }
    StoreForms forms(store, directory);
    const Resolution resolution = forms.resolver(direction).resolve(key);
    // A compound's parts are no one word the window could start on.
    if (resolution.kind != ResolutionKind::Form)
        return word;
    return QString::fromStdU16String(windows1252ToUtf16(words[resolution.bases.front().front()]));
}

} // namespace wb
