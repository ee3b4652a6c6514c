#include "forms/FormRules.h"

#include <algorithm>
#include <array>

namespace wb {
namespace {

constexpr std::size_t kShortestStem = 2;

bool isLetterWithCase(unsigned char c, unsigned char base)
{
    return (c >= base + 0x00 && c <= base + 0x1E && c != base + 0x17);
}

void add(std::vector<std::string>& out, std::string candidate, std::string_view text)
{
    if (candidate.size() < kShortestStem || candidate == text)
        return;
    if (std::find(out.begin(), out.end(), candidate) == out.end())
        out.push_back(std::move(candidate));
}

// "Häus" -> "Haus", "größ" -> "groß": the last umlaut of a stem undone.
std::string withoutUmlaut(std::string_view stem)
{
    std::string plain(stem);
    for (std::size_t i = plain.size(); i-- > 0;) {
        const auto c = static_cast<unsigned char>(plain[i]);
        const char to = c == 0xE4   ? 'a'
                        : c == 0xF6 ? 'o'
                        : c == 0xFC ? 'u'
                        : c == 0xC4 ? 'A'
                        : c == 0xD6 ? 'O'
                        : c == 0xDC ? 'U'
                                    : '\0';
        if (to != '\0') {
            plain[i] = to;
            return plain;
        }
    }
    return {};
}

// Inflectional endings of German nouns, adjectives and verbs, longest first so that
// the most of a form is taken off before less of it.
constexpr std::array kGermanEndings = {
    "esten", "ester", "estem", "estes", "enden", "endem", "ender", "endes", "este", "sten",
    "ster",  "stem",  "stes",  "ende",  "test",  "eren",  "erem",  "eres",  "ste",  "est",
    "ere",   "ern",   "end",   "ten",   "tet",   "nen",   "st",    "te",    "er",   "en",
    "em",    "es",    "et",    "e",     "n",     "s",     "t"};

// Prefixes a verb parts from in a main clause, which put "ge" and "zu" after them
// ("abgeholt", "fortzusetzen").
constexpr std::array kSeparablePrefixes = {"ab",
                                           "an",
                                           "auf",
                                           "aus",
                                           "bei",
                                           "dar",
                                           "durch",
                                           "ein",
                                           "fest",
                                           "fort",
                                           "her",
                                           "hin",
                                           "los",
                                           "mit",
                                           "nach",
                                           "vor",
                                           "weg",
                                           "weiter",
                                           "wieder",
                                           "zu",
                                           "zur\xFC"
                                           "ck",
                                           "zusammen",
                                           "um",
                                           "\xFC"
                                           "ber",
                                           "unter",
                                           "hinaus",
                                           "heraus",
                                           "herein",
                                           "hinein",
                                           "vorbei",
                                           "voran"};

void germanStems(std::vector<std::string>& out, std::string_view word, std::string_view text)
{
    add(out, std::string(word), text);
    for (const std::string_view ending : kGermanEndings) {
        if (word.size() < ending.size() + kShortestStem || !word.ends_with(ending))
            continue;
        const std::string stem(word.substr(0, word.size() - ending.size()));
        const std::string plain = withoutUmlaut(stem);
        for (const std::string& base : {stem, plain}) {
            if (base.empty())
                continue;
            add(out, base, text);
            add(out, base + "e", text);
            add(out, base + "en", text);
            add(out, base + "n", text);
        }
    }
}

// "geklickt" -> "klickt"; "abgeholt" -> "abholt"; "fortzusetzen" -> "fortsetzen".
std::vector<std::string> withoutGeOrZu(std::string_view lower)
{
    std::vector<std::string> out;
    if (lower.starts_with("ge") && lower.size() > 4)
        out.emplace_back(lower.substr(2));
    for (const std::string_view prefix : kSeparablePrefixes) {
        if (!lower.starts_with(prefix))
            continue;
        const auto rest = lower.substr(prefix.size());
        for (const std::string_view infix : {"ge", "zu"})
            if (rest.starts_with(infix) && rest.size() > infix.size() + 2)
                out.push_back(std::string(prefix) + std::string(rest.substr(infix.size())));
    }
    return out;
}

std::vector<std::string> germanCandidates(std::string_view text)
{
    std::vector<std::string> out;
    germanStems(out, text, text);
    const std::string lower = latinLowerCase(text);
    for (const std::string& inner : withoutGeOrZu(lower))
        germanStems(out, inner, text);
    return out;
}

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// "stopp" -> "stop", "bigg" -> "big": the consonant English doubles before a suffix.
void addUndoubled(std::vector<std::string>& out, const std::string& stem, std::string_view text)
{
    const auto n = stem.size();
    if (n >= 3 && stem[n - 1] == stem[n - 2] && !isVowel(stem[n - 1]))
        add(out, stem.substr(0, n - 1), text);
}

std::vector<std::string> englishCandidates(std::string_view text)
{
    std::vector<std::string> out;
    const std::string word = latinLowerCase(text);
    add(out, word, text);
    const auto strip = [&](std::string_view suffix) {
        return word.substr(0, word.size() - suffix.size());
    };
    if (word.ends_with("'s"))
        add(out, strip("'s"), text);
    if (word.ends_with("ies") || word.ends_with("ied"))
        add(out, strip("ies") + "y", text);
    if (word.ends_with("iest"))
        add(out, strip("iest") + "y", text);
    if (word.ends_with("ier"))
        add(out, strip("ier") + "y", text);
    if (word.ends_with("ying"))
        add(out, strip("ying") + "ie", text);
    for (const std::string_view suffix : {"ing", "est", "ed", "er", "es", "s"}) {
        if (!word.ends_with(suffix) || word.size() < suffix.size() + kShortestStem)
            continue;
        const std::string stem = strip(suffix);
        add(out, stem, text);
        if (suffix != "s" && suffix != "es")
            add(out, stem + "e", text);
        if (suffix != "s")
            addUndoubled(out, stem, text);
    }
    return out;
}

} // namespace

char latinLower(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || isLetterWithCase(byte, 0xC0))
        return char(byte + 0x20);
    return c;
}

char latinUpper(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (isLetterWithCase(byte, 0xE0) && byte != 0xFF))
        return char(byte - 0x20);
    return c;
}

std::string latinLowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), latinLower);
    return lower;
}

std::string_view germanContraction(std::string_view text)
{
    // A preposition run together with "dem", "der" or "das".
    static constexpr std::pair<std::string_view, std::string_view> kContractions[] = {
        {"am", "an"},
        {"ans", "an"},
        {"aufs", "auf"},
        {"beim", "bei"},
        {"durchs", "durch"},
        {"f\xFC"
         "rs",
         "f\xFC"
         "r"},
        {"im", "in"},
        {"ins", "in"},
        {"\xFC"
         "bers",
         "\xFC"
         "ber"},
        {"ums", "um"},
        {"vom", "von"},
        {"zum", "zu"},
        {"zur", "zu"}};
    const std::string lower = latinLowerCase(text);
    for (const auto& [contraction, word] : kContractions)
        if (lower == contraction)
            return word;
    return {};
}

std::vector<std::string> ruleCandidates(FormLanguage language, std::string_view text)
{
    return language == FormLanguage::German ? germanCandidates(text) : englishCandidates(text);
}

} // namespace wb
