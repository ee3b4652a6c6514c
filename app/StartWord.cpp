#include "app/StartWord.h"

#include "dictionary/Windows1252.h"
#include "forms/StoreForms.h"
#include "system/ExecutablePath.h"

#include <optional>

namespace wb {
namespace {

const WordList& wordsOf(const DictionaryStore& store, Direction direction)
{
    return direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
}

std::filesystem::path directoryOf(const std::function<std::filesystem::path()>& locate)
{
    try {
        return locate();
    } catch (const ExecutablePathError&) {
        // The store then holds nothing either; the rules find nothing in it.
        return {};
    }
}

// The word as the page of `direction` would start on it, or nothing when that page
// has neither it nor its base. A compound's parts are no one word to start on.
std::optional<QString> wordOn(const DictionaryStore& store, StoreForms& forms, Direction direction,
                              const std::string& key, const QString& word)
{
    const WordList& words = wordsOf(store, direction);
    if (!asciiMatches(words, key, MatchScope::Prefix).empty())
        return word;
    const Resolution resolution = forms.resolver(direction).resolve(key);
    if (resolution.kind != ResolutionKind::Form)
        return std::nullopt;
    return QString::fromStdU16String(windows1252ToUtf16(words[resolution.bases.front().front()]));
}

} // namespace

StartRequest startOn(const DictionaryStore& store,
                     const std::function<std::filesystem::path()>& locate,
                     const StartRequest& request)
{
    const std::string key = toWindows1252(request.word.value_or(QString()).toStdU16String());
    if (key.empty())
        return request;
    StoreForms forms(store, directoryOf(locate));
    const Direction other = request.direction == Direction::EnglishToGerman
                                ? Direction::GermanToEnglish
                                : Direction::EnglishToGerman;
    for (const Direction direction : {request.direction, other})
        if (const auto word = wordOn(store, forms, direction, key, *request.word))
            return {direction, *word};
    return request;
}

} // namespace wb
