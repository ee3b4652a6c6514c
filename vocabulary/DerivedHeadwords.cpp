#include "vocabulary/DerivedHeadwords.h"

#include <algorithm>
#include <array>
#include <span>

namespace wb::vocab {
namespace {

// The pronoun groups of the list's conjugation sub-entries, longest first so that
// "I/he/she/it" is not taken for "I/he/she".
constexpr std::array<std::string_view, 5> kEnglishPronouns = {
    "I/he/she/it ", "I/he/she ", "he/she/it ", "he/she ", "we/they ",
};
constexpr std::array<std::string_view, 5> kGermanPronouns = {
    "ich/er/sie/es ", "ich/er/sie ", "er/sie/es ", "er/sie ", "wir/sie ",
};

// The prepositions the list names in brackets after a verb or noun: those it governs.
constexpr std::array<std::string_view, 24> kEnglishPrepositions = {
    "about", "above",  "across", "after", "against", "along",   "among", "around",
    "at",    "before", "behind", "below", "beside",  "between", "by",    "for",
    "from",  "in",     "into",   "of",    "on",      "onto",    "over",  "upon",
};
constexpr std::array<std::string_view, 20> kGermanPrepositions = {
    "ab",  "an",   "auf",   "aus",  "bei", "durch", "für", "gegen", "hinter", "in",
    "mit", "nach", "neben", "über", "um",  "unter", "von", "vor",   "zu",     "zwischen",
};

constexpr std::array<std::string_view, 6> kOutdatedLabels = {
    "obs.", "archaic", "rare", "old", "poet.", "dated",
};

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The braces after the verb that hold "past; participle".
std::string_view formBraces(std::string_view alternative)
{
    for (auto open = alternative.find('{'); open != std::string_view::npos;
         open = alternative.find('{', open + 1)) {
        const auto close = alternative.find('}', open);
        if (close == std::string_view::npos)
            return {};
        const auto inside = alternative.substr(open + 1, close - open - 1);
        if (std::count(inside.begin(), inside.end(), ';') == 1 &&
            inside.find('{') == std::string_view::npos)
            return inside;
    }
    return {};
}

bool isOutdated(std::string_view piece)
{
    piece = piece.substr(0, piece.find('(')); // a remark's label is the remark's
    for (auto open = piece.find('['); open != std::string_view::npos;
         open = piece.find('[', open + 1)) {
        const auto label = piece.substr(open + 1, piece.find(']', open) - open - 1);
        if (std::find(kOutdatedLabels.begin(), kOutdatedLabels.end(), label) !=
            kOutdatedLabels.end())
            return true;
    }
    return false;
}

// "swung (swang [obs.])": a remark in parentheses is not a form of its own.
bool insideParentheses(std::string_view text, std::size_t at)
{
    const auto open = text.rfind('(', at);
    return open != std::string_view::npos && text.find(')', open) > at;
}

} // namespace

const char* describe(Origin origin)
{
    switch (origin) {
    case Origin::Listed:
        return "listed";
    case Origin::VerbForm:
        return "verb forms";
    case Origin::BeAdjective:
        return "adjectives of \"to be\"";
    case Origin::IrregularForm:
        return "irregular forms in braces";
    case Origin::PhraseVerb:
        return "verbs of phrases with an object";
    case Origin::Singular:
        return "singulars of plurals";
    case Origin::Phrases:
        return "headwords translated by their phrases";
    case Origin::Preposition:
        return "prepositions in brackets";
    case Origin::SearchWord:
        return "search words in angle brackets";
    }
    return "?";
}

std::optional<std::string_view> withoutPronoun(std::string_view alternative, Language language)
{
    const auto& pronouns = language == Language::English ? kEnglishPronouns : kGermanPronouns;
    for (std::string_view pronoun : pronouns)
        if (alternative.starts_with(pronoun))
            return trimmed(alternative.substr(pronoun.size()));
    return std::nullopt;
}

bool isConditional(std::string_view form)
{
    return form.starts_with("would ");
}

std::vector<std::string_view> irregularForms(std::string_view alternative)
{
    const std::string_view braces = formBraces(alternative);
    std::vector<std::string_view> forms;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= braces.size(); ++i) {
        const bool separator =
            i == braces.size() || ((braces[i] == ';' || braces[i] == ',' || braces[i] == '/') &&
                                   !insideParentheses(braces, i));
        if (!separator)
            continue;
        const auto piece = braces.substr(start, i - start);
        start = i + 1;
        const auto form = trimmed(piece.substr(0, piece.find_first_of("[(")));
        if (!form.empty() && !isOutdated(piece) &&
            std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(form);
    }
    return forms;
}

std::optional<std::string_view> beComplement(std::string_view alternative,
                                             std::string_view headword)
{
    if (!alternative.starts_with("to be "))
        return std::nullopt;
    if (headword.starts_with("to "))
        headword.remove_prefix(3);
    if (!headword.starts_with("be "))
        return std::nullopt;
    const auto complement = headword.substr(3);
    if (complement.empty() || complement.find(' ') != std::string_view::npos)
        return std::nullopt;
    return complement;
}

std::optional<std::string_view> phraseVerb(std::string_view alternative, std::string_view headword)
{
    if (!alternative.starts_with("to "))
        return std::nullopt;
    const auto space = headword.find(' ');
    if (space == std::string_view::npos || space == 0 ||
        headword.find(' ', space + 1) != std::string_view::npos)
        return std::nullopt;
    // The placeholder right after the second word makes that word a preposition or
    // particle that takes the object, not the verb's own object ("to make sense").
    const auto rest = alternative.substr(3);
    if (!rest.starts_with(headword))
        return std::nullopt;
    const auto after = rest.substr(headword.size());
    if (!after.starts_with(" sth.") && !after.starts_with(" sb."))
        return std::nullopt;
    return headword.substr(0, space);
}

std::optional<std::string_view> germanPhraseVerb(std::string_view headword)
{
    const auto space = headword.find(' ');
    if (space == std::string_view::npos || headword.find(' ', space + 1) != std::string_view::npos)
        return std::nullopt;
    const auto noun = headword.substr(0, space);
    const auto verb = headword.substr(space + 1);
    const auto isLower = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 'a' && byte <= 'z') || byte >= 0xDF; // ß and ä..ÿ
    };
    const auto isCapital = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte >= 'A' && byte <= 'Z') || byte == 0xC4 || byte == 0xD6 || byte == 0xDC;
    };
    // A noun is capitalised and written out; an infinitive is lower case and ends in -n.
    if (noun.size() < 2 || !isCapital(noun.front()) || noun.back() == '.' || verb.size() < 3 ||
        !std::all_of(verb.begin(), verb.end(), isLower) || verb.back() != 'n')
        return std::nullopt;
    return verb;
}

std::optional<std::string> englishSingular(std::string_view plural)
{
    const auto ends = [&](std::string_view ending) { return plural.ends_with(ending); };
    if (plural.size() < 4 || !ends("s") || ends("ss") || ends("us") || ends("is") || ends("'s"))
        return std::nullopt;
    const bool letters =
        std::all_of(plural.begin(), plural.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (!letters)
        return std::nullopt;
    std::string singular(plural);
    if (ends("ies") && plural.size() > 4)
        singular.replace(singular.size() - 3, 3, "y");
    else if (ends("ches") || ends("shes") || ends("xes") || ends("sses"))
        singular.resize(singular.size() - 2);
    else
        singular.pop_back();
    return singular;
}

std::vector<std::string_view> governedPrepositions(std::string_view alternative, Language language)
{
    const std::string_view text = trimmed(alternative);
    const std::size_t open = text.rfind('(');
    if (!text.ends_with(')') || open == std::string_view::npos || open == 0)
        return {};
    const std::span<const std::string_view> known =
        language == Language::English ? std::span<const std::string_view>(kEnglishPrepositions)
                                      : std::span<const std::string_view>(kGermanPrepositions);
    std::vector<std::string_view> found;
    std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    while (!inside.empty()) {
        const std::size_t end = inside.find(';');
        const std::string_view word = trimmed(inside.substr(0, end));
        if (std::find(known.begin(), known.end(), word) == known.end())
            return {};
        found.push_back(word);
        inside = end == std::string_view::npos ? std::string_view() : inside.substr(end + 1);
    }
    return found;
}

std::vector<std::string_view> searchWords(std::string_view alternative)
{
    std::vector<std::string_view> words;
    for (std::size_t open = alternative.find('<'); open != std::string_view::npos;
         open = alternative.find('<', open + 1)) {
        const std::size_t close = alternative.find('>', open);
        if (close == std::string_view::npos)
            break;
        std::string_view inside = alternative.substr(open + 1, close - open - 1);
        while (!inside.empty()) {
            const std::size_t end = inside.find_first_of(";,");
            const std::string_view word = trimmed(inside.substr(0, end));
            const bool single = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
                return c != ' ' && c != '.' && c != '/' && c != '(' && c != '<';
            });
            if (single)
                words.push_back(word);
            inside = end == std::string_view::npos ? std::string_view() : inside.substr(end + 1);
        }
        open = close;
    }
    return words;
}

} // namespace wb::vocab
