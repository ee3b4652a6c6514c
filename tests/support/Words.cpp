#include "tests/support/Words.h"

#include "dictionary/AsciiCase.h"
#include "dictionary/Windows1252.h"

#include <algorithm>
#include <utility>

namespace wb::test {

WordList wordsOf(std::initializer_list<const char*> utf8Words)
{
    WordList words;
    for (const char* word : utf8Words)
        words.append(utf8ToWindows1252(word));
    return words;
}

std::vector<std::string> randomWords(std::size_t count, std::size_t maxLength, std::mt19937& random)
{
    // A small alphabet makes shared prefixes common, as in a real word list.
    static const std::string alphabet = "aaeeiioournsthlmbHHAAUU\xE4\xF6\xFC\xDF\xC4";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::normal_distribution<double> length(8.0, 3.0);
    std::vector<std::string> words(count);
    for (auto& word : words) {
        const auto n =
            std::clamp<std::size_t>(std::size_t(std::max(0.0, length(random))), 1, maxLength);
        for (std::size_t i = 0; i < n; ++i)
            word += alphabet[letter(random)];
    }
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return std::pair(asciiUpperCase(a), a) < std::pair(asciiUpperCase(b), b);
    });
    return words;
}

} // namespace wb::test
