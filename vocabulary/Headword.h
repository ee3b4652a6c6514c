#pragma once
// The types every stage of the compile shares: the two languages, a headword as the
// word list gives it, and the id that names it. What is done with them is each
// stage's own business.
#include <cstdint>
#include <string>
#include <string_view>

namespace wb::vocab {

enum class Language { German, English };
constexpr Language otherLanguage(Language language)
{
    return language == Language::German ? Language::English : Language::German;
}

// A headword's place among the candidates of its language.
using HeadwordId = std::uint32_t;

constexpr std::uint8_t kMasculine = 1, kFeminine = 2, kNeuter = 4;

struct Headword {
    std::string text;               // Windows-1252
    std::uint32_t lines = 0;        // lines in which it is an alternative
    std::uint32_t generalLines = 0; // of those, lines without a specialist label
    bool main = false;              // it is an alternative of some line's first sub-entry
    bool plural = false;            // the list marks it as a plural ({pl}) somewhere
    std::uint8_t genders = 0;       // the genders the list gives it: kMasculine, ...
    std::uint32_t lastLine = 0;     // while collecting: the last line counted
    std::uint32_t entryLines = 0;   // lines whose first sub-entry gives it whole
    bool exclamation = false;       // the list writes it only as an exclamation ("Hallo!")
};

// "sich freuen" is written "freuen (sich)", so that it is found under the verb.
constexpr std::string_view kReflexiveSuffix = " (sich)";

// The word a reader types to find `headword`: "freuen" for "freuen (sich)".
constexpr std::string_view lookupWord(std::string_view headword)
{
    if (headword.ends_with(kReflexiveSuffix) && headword.size() > kReflexiveSuffix.size())
        headword.remove_suffix(kReflexiveSuffix.size());
    return headword;
}

// More than one word to look up; a reflexive verb is one.
constexpr bool isPhrase(std::string_view headword)
{
    return lookupWord(headword).find(' ') != std::string_view::npos;
}

} // namespace wb::vocab
