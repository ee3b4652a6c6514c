#include "vocabulary/HeadwordCleaner.h"

#include "dictionary/RecordDecoder.h"
#include "dictionary/Windows1252.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace wb::vocab {
namespace {

struct Replacement {
    std::string_view from;
    char to;
};

// Users type ASCII quotes, hyphens and spaces; the list uses typographic ones.
constexpr std::array kTypographic = {
    Replacement{"\u2018", '\''}, Replacement{"\u2019", '\''}, Replacement{"\u201A", '\''},
    Replacement{"\u201B", '\''}, Replacement{"\u2032", '\''}, Replacement{"\u201C", '"'},
    Replacement{"\u201D", '"'},  Replacement{"\u201E", '"'},  Replacement{"\u201F", '"'},
    Replacement{"\u2033", '"'},  Replacement{"\u2010", '-'},  Replacement{"\u2011", '-'},
    Replacement{"\u2012", '-'},  Replacement{"\u2013", '-'},  Replacement{"\u2014", '-'},
    Replacement{"\u2015", '-'},  Replacement{"\u2212", '-'},  Replacement{"\u00A0", ' '},
    Replacement{"\u2009", ' '},  Replacement{"\u202F", ' '},
};

// Stand-ins for the object of a verb: "etw. tun", "to give sb. sth.".
constexpr std::array<std::string_view, 10> kPlaceholders = {
    "etw.", "jd.", "jdm.", "jdn.", "jds.", "sth.", "sb.", "sb.'s", "sth.'s", "so.",
};

std::string mapTypographic(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out += text[i++];
            continue;
        }
        const auto match =
            std::find_if(kTypographic.begin(), kTypographic.end(),
                         [&](const Replacement& r) { return text.substr(i).starts_with(r.from); });
        if (match != kTypographic.end()) {
            out += match->to;
            i += match->from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool isOpening(char c)
{
    return c == '(' || c == '[' || c == '{' || c == '<';
}
bool isClosing(char c)
{
    return c == ')' || c == ']' || c == '}' || c == '>';
}

// "jdn./etw." is as much a placeholder as "jdn." alone, and "(jdm.)" an optional one.
bool isPlaceholder(std::string_view word)
{
    if (word.size() > 2 && word.front() == '(' && word.back() == ')')
        word = word.substr(1, word.size() - 2);
    while (!word.empty()) {
        const auto slash = std::min(word.find('/'), word.size());
        const auto part = word.substr(0, slash);
        if (std::find(kPlaceholders.begin(), kPlaceholders.end(), part) == kPlaceholders.end())
            return false;
        word.remove_prefix(std::min(slash + 1, word.size()));
    }
    return true;
}

// A bracket that holds nothing but a placeholder ("an (etw.) teilnehmen") is part of
// the phrase, not a remark on it.
bool isBracketedPlaceholder(std::string_view group)
{
    return group.size() > 2 && group.front() == '(' && group.back() == ')' &&
           group.find(' ') == std::string_view::npos && isPlaceholder(group);
}

// Drops everything in brackets, nested or not; a space stands in for it so that the
// words around it stay apart. Returns false for unbalanced brackets.
bool removeAnnotations(std::string& text)
{
    std::string out;
    int depth = 0;
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isOpening(c)) {
            if (depth++ == 0) {
                out += ' ';
                groupStart = i;
            }
        } else if (isClosing(c)) {
            if (--depth < 0)
                return false;
            const auto group = std::string_view(text).substr(groupStart, i + 1 - groupStart);
            if (depth == 0 && isBracketedPlaceholder(group))
                out.append(group).append(1, ' ');
        } else if (depth == 0) {
            out += c;
        }
    }
    text = std::move(out);
    return depth == 0;
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto start = text.find_first_not_of(" \t", i);
        if (start == std::string_view::npos)
            break;
        const auto end = std::min(text.find_first_of(" \t", start), text.size());
        result.push_back(text.substr(start, end - start));
        i = end;
    }
    return result;
}

// An abbreviation of the headword stands between slashes: "Bahnhof /Bhf./".
bool isAbbreviation(std::string_view word)
{
    return word.size() >= 3 && word.front() == '/' && word.back() == '/';
}

bool isSentence(std::string_view text)
{
    if (text.find_first_of("!?,") != std::string_view::npos)
        return true;
    const auto space = text.rfind(' ');
    return text.back() == '.' && space != std::string_view::npos &&
           !isPlaceholder(text.substr(space + 1));
}

// Placeholders at either end of a phrase stand for the object and go ("etw. abändern",
// "to give sb. sth."). Removing one from between two words would leave nonsense that
// reads as a misspelt word ("auf setzen" from "auf etw. setzen"), so a phrase with a
// placeholder inside keeps it, and the ones after it, as the list writes them.
std::vector<std::string_view> withoutEdgePlaceholders(std::vector<std::string_view> tokens)
{
    const auto isWord = [](std::string_view token) { return !isPlaceholder(token); };
    const auto first = std::find_if(tokens.begin(), tokens.end(), isWord);
    const auto last = std::find_if(tokens.rbegin(), tokens.rend(), isWord).base();
    if (first >= last)
        return {};
    const bool inside = std::any_of(first, last, isPlaceholder);
    return {first, inside ? tokens.end() : last};
}

std::size_t maxLength(Language language)
{
    // What the front coding can reach at best: a full shared prefix plus a full suffix.
    return std::size_t(kMaxPrefix) +
           std::size_t(language == Language::English ? kMaxEnglishSuffix : kMaxGermanSuffix);
}

// "Hallo!", "Danke!", "Thank you!", "What a pity!": greetings and interjections are
// written as exclamations, but a reader looks each up as a whole. Anything longer is a
// sentence.
constexpr std::ptrdiff_t kMaxExclamationWords = 3;

// Whether it dropped one.
bool dropExclamationMark(std::string& text)
{
    if (text.size() < 2 || text.back() != '!')
        return false;
    const std::string_view body(text.data(), text.size() - 1);
    if (body.find_first_of("!?,.") != std::string_view::npos ||
        std::count(body.begin(), body.end(), ' ') >= kMaxExclamationWords)
        return false;
    text.pop_back();
    return true;
}

// Inside a phrase, a slash folds the alternatives of one word into it: "driver of
// a/the vehicle", "What a pity/shame!". The first stands for all. A slash before an
// ending ("welche/r/s"), between figures ("km/h", "24/7") or between abbreviations
// ("TCP/IP") folds nothing that the first part could stand for.
std::optional<std::string> firstOption(std::string_view word)
{
    const auto punctuation = word.find_last_not_of("!?.,:");
    const auto tail = word.substr(punctuation == std::string_view::npos ? 0 : punctuation + 1);
    const auto options = word.substr(0, word.size() - tail.size());
    auto isAcronym = [](std::string_view option) {
        const auto capitals = std::count_if(option.begin(), option.end(),
                                            [](char c) { return c >= 'A' && c <= 'Z'; });
        return capitals >= 2 && std::none_of(option.begin(), option.end(),
                                             [](char c) { return c >= 'a' && c <= 'z'; });
    };
    std::size_t start = 0;
    std::string_view first;
    for (std::size_t i = 0; i <= options.size(); ++i) {
        if (i < options.size() && options[i] != '/')
            continue;
        const auto option = options.substr(start, i - start);
        if (option.empty() || (start > 0 && option.size() < 2) || isAcronym(option) ||
            option.find_first_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        if (start == 0)
            first = option;
        start = i + 1;
    }
    return std::string(first).append(tail);
}

bool isCapitalised(std::string_view word)
{
    const auto first = static_cast<unsigned char>(word.front());
    if (first == 0xC3 && word.size() > 1) // UTF-8: À..Þ are C3 80..C3 9E
        return static_cast<unsigned char>(word[1]) < 0x9F;
    return first >= 'A' && first <= 'Z';
}

// With these an article makes a quantity of a word that alone means something else:
// "a lot" is "viel", a lot is a "Los".
constexpr std::array<std::string_view, 9> kQuantityWords = {
    "lot", "lots", "few", "little", "bit", "couple", "while", "deal", "bunch",
};

// A reader looks up "Polizei", not "die Polizei", and "police", not "the police". An
// article stays where it makes a fixed phrase of what follows: "den Löffel abgeben",
// "a lot", "the other day", "ein paar".
bool articleGoes(const std::vector<std::string_view>& words, Language language)
{
    if (words.size() < 2)
        return false;
    const auto rest = std::span(words).subspan(1);
    const bool names = std::all_of(rest.begin(), rest.end(), isCapitalised);
    const auto article = words.front();
    // German capitalises the noun a phrase ends in: "die öffentliche Sicherheit".
    if (language == Language::German)
        return (article == "der" || article == "die" || article == "das") &&
               isCapitalised(words.back());
    if (article != "the" && article != "a" && article != "an")
        return false;
    return names || (rest.size() == 1 && std::find(kQuantityWords.begin(), kQuantityWords.end(),
                                                   rest.front()) == kQuantityWords.end());
}

// "sich freuen" is found under "freuen": the reflexive pronoun goes behind the verb
// (kReflexiveSuffix).
// Its participles lose the pronoun (isParticiple); "sich/einander entsprechend"
// offers "sich" first.
bool isReflexiveVerb(const std::vector<std::string_view>& words)
{
    return words.size() > 1 && (words.front() == "sich" || words.front().starts_with("sich/")) &&
           !isCapitalised(words.back());
}

// A German infinitive ends in "n"; a word ending in "nd" or "t" after "sich" is the
// verb's participle ("sich kümmernd", "sich amüsiert"). A reader meets it as an
// adjective or a form ("kümmernd", "ein amüsierter Blick"), never with the pronoun, so
// it is written without "sich" rather than as "kümmernd (sich)".
bool isParticiple(std::string_view word)
{
    return word.ends_with("nd") || word.ends_with('t');
}

bool isPreposition(std::string_view word)
{
    constexpr std::array<std::string_view, 18> kPrepositions = {
        "an", "auf", "aus",  "bei",   "durch", "für",   "über", "gegen", "hinter",
        "in", "mit", "nach", "neben", "um",    "unter", "von",  "vor",   "zu",
    };
    return std::find(kPrepositions.begin(), kPrepositions.end(), word) != kPrepositions.end();
}

// "in (einen Ort) eintreten": a remark that stood for the object leaves the
// preposition bare once it goes.
bool remarkTookObject(std::string_view alternative, const std::vector<std::string_view>& kept)
{
    if (kept.size() != 2 || !isPreposition(kept[0]) || isCapitalised(kept[1]))
        return false;
    const auto rest = alternative.substr(std::min(alternative.find(kept[0]), alternative.size()));
    return rest.substr(kept[0].size()).starts_with(" (");
}

CleanResult skip(SkipReason reason)
{
    return {{}, reason};
}

// "(Anthelia spp.) oder (Cespitularia spp.)": a conjunction left alone once the
// remarks are gone joined them; it is not the entry's headword.
bool isLoneConjunction(std::string_view text)
{
    return text == "oder" || text == "und" || text == "or" || text == "and";
}

} // namespace

const char* describe(SkipReason reason)
{
    switch (reason) {
    case SkipReason::Empty:
        return "nothing but annotations";
    case SkipReason::Malformed:
        return "unbalanced brackets";
    case SkipReason::Sentence:
        return "example sentence or clause";
    case SkipReason::Slash:
        return "slash";
    case SkipReason::Ellipsis:
        return "ellipsis";
    case SkipReason::NotWindows1252:
        return "not representable in Windows-1252";
    case SkipReason::TooLong:
        return "too long for a record";
    case SkipReason::Conditional:
        return "conditional form";
    case SkipReason::LostObject:
        return "preposition without its object";
    }
    return "?";
}

CleanResult cleanHeadword(std::string_view alternative, Language language, bool verb)
{
    std::string text = mapTypographic(alternative);
    if (!removeAnnotations(text))
        return skip(SkipReason::Malformed);
    if (text.find("...") != std::string::npos || text.find("\u2026") != std::string::npos)
        return skip(SkipReason::Ellipsis);

    std::vector<std::string_view> tokens;
    // Abbreviations may hold spaces: "per cent / % /", "century /c; cent./".
    bool inAbbreviation = false;
    for (auto word : words(text)) {
        if (!inAbbreviation && word.front() == '/') {
            inAbbreviation = !isAbbreviation(word);
            continue;
        }
        if (inAbbreviation) {
            inAbbreviation = word.back() != '/';
            continue;
        }
        tokens.push_back(word);
    }
    if (inAbbreviation)
        return skip(SkipReason::Slash);
    const bool reflexive = language == Language::German && isReflexiveVerb(tokens);
    if (reflexive)
        tokens.erase(tokens.begin());
    std::string joined;
    auto kept = withoutEdgePlaceholders(std::move(tokens));
    if (articleGoes(kept, language))
        kept.erase(kept.begin());
    for (auto word : kept) {
        if (!joined.empty())
            joined += ' ';
        if (word.find('/') == std::string_view::npos || isPlaceholder(word)) {
            joined += word;
            continue;
        }
        const auto option = kept.size() > 1 ? firstOption(word) : std::nullopt;
        if (!option)
            return skip(SkipReason::Slash);
        joined += *option;
    }
    const bool opensWithRemark = !alternative.empty() && isOpening(alternative.front());
    if (joined.empty() || (opensWithRemark && isLoneConjunction(joined)))
        return skip(SkipReason::Empty);
    if (language == Language::German && remarkTookObject(alternative, kept))
        return skip(SkipReason::LostObject);
    const bool exclamation = dropExclamationMark(joined);
    if (isSentence(joined))
        return skip(SkipReason::Sentence);
    if (language == Language::English && verb && joined.starts_with("to ") && joined.size() > 3)
        joined.erase(0, 3);
    if (reflexive && !isParticiple(kept.back()))
        joined.append(kReflexiveSuffix);

    CleanResult result;
    result.exclamation = exclamation;
    if (!utf8ToWindows1252Exact(joined, result.headword))
        return skip(SkipReason::NotWindows1252);
    if (result.headword.size() > maxLength(language))
        return skip(SkipReason::TooLong);
    return result;
}

namespace {

// "auf/hinter" offers "auf" and "hinter".
bool hasOption(std::string_view word, std::string_view option)
{
    while (!word.empty()) {
        const auto slash = std::min(word.find('/'), word.size());
        if (word.substr(0, slash) == option)
            return true;
        word.remove_prefix(std::min(slash + 1, word.size()));
    }
    return false;
}

} // namespace

bool lostItsObject(std::string_view headword, std::span<const std::string_view> lineHeadwords)
{
    const auto space = headword.find(' ');
    if (space == std::string_view::npos || headword.find(' ', space + 1) != std::string_view::npos)
        return false;
    const auto verb = headword.substr(space + 1);
    const auto first = static_cast<unsigned char>(verb.front());
    if (!((first >= 'a' && first <= 'z') || first >= 0xDF))
        return false;
    const auto preposition = windows1252ToUtf8(headword.substr(0, space));
    for (const auto alternative : lineHeadwords) {
        const auto tokens = words(alternative);
        for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
            if (isPlaceholder(tokens[i + 1]) && hasOption(tokens[i], preposition))
                return true;
    }
    return false;
}

std::vector<std::string_view> separateAlternatives(std::string_view alternative, Language language)
{
    // Where the parts start, outside brackets: after "! " before a capital, and, on the
    // English side, after ", ".
    std::vector<std::size_t> exclamations, commas;
    int depth = 0;
    for (std::size_t i = 0; i + 2 < alternative.size(); ++i) {
        const char c = alternative[i];
        if (isOpening(c))
            ++depth;
        else if (isClosing(c))
            --depth;
        if (depth != 0 || alternative[i + 1] != ' ')
            continue;
        const char next = alternative[i + 2];
        if (c == '!' && ((next >= 'A' && next <= 'Z') || static_cast<unsigned char>(next) >= 0xC3))
            exclamations.push_back(i + 2);
        else if (c == ',')
            commas.push_back(i + 2);
    }
    std::string outside = alternative.empty() ? std::string() : std::string(alternative);
    if (!removeAnnotations(outside))
        return {alternative};
    const auto end = outside.find_last_not_of(' ');
    const char last = end == std::string::npos ? ' ' : outside[end];
    std::vector<std::size_t> starts;
    // "Thank you! Thanks!": exclamations one after the other.
    if (last == '!')
        starts = exclamations;
    // "at a minimum, at least": short phrases, where English would set a clause or a
    // list of single words apart by commas.
    const auto wordsOf = [](std::string_view part) {
        std::string text(part);
        return removeAnnotations(text) ? words(text).size() : 0;
    };
    if (language == Language::English && !commas.empty() && last != '.' && last != '!' &&
        last != '?' && outside.find_first_of("!?") == std::string::npos &&
        outside.find("\u2026") == std::string::npos) {
        bool phrases = true;
        std::size_t from = 0;
        for (std::size_t i = 0; i <= commas.size() && phrases; ++i) {
            const auto to = i < commas.size() ? commas[i] - 2 : alternative.size();
            const auto count = wordsOf(alternative.substr(from, to - from));
            phrases = count >= 2 && count <= 3;
            from = i < commas.size() ? commas[i] : from;
        }
        if (phrases)
            starts.insert(starts.end(), commas.begin(), commas.end());
    }
    if (starts.empty())
        return {alternative};
    std::sort(starts.begin(), starts.end());
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (const auto start : starts) {
        auto part = alternative.substr(from, start - from);
        while (!part.empty() && (part.back() == ' ' || part.back() == ','))
            part.remove_suffix(1);
        parts.push_back(part);
        from = start;
    }
    parts.push_back(alternative.substr(from));
    return parts;
}

bool isGermanVerb(std::string_view alternative, const CleanResult& cleaned)
{
    for (auto at = alternative.find("{v"); at != std::string_view::npos;
         at = alternative.find("{v", at + 1)) {
        const auto end = alternative.find_first_not_of("itr", at + 2);
        if (end != std::string_view::npos && (alternative[end] == '}' || alternative[end] == ';'))
            return true;
    }
    if (cleaned.skipped)
        return false;
    std::string_view headword = cleaned.headword;
    if (headword.ends_with(kReflexiveSuffix))
        headword.remove_suffix(kReflexiveSuffix.size());
    const auto last = headword.substr(headword.rfind(' ') + 1);
    const auto first = static_cast<unsigned char>(last.front());
    const bool lowerCase = (first >= 'a' && first <= 'z') || first >= 0xDF; // ß and ä..ÿ
    return lowerCase && last.back() == 'n';
}

} // namespace wb::vocab
