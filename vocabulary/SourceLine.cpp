#include "vocabulary/SourceLine.h"

#include <algorithm>
#include <array>

namespace wb::vocab {
namespace {

// Labels that say where or in which register a word is used, not that it belongs to
// a subject field or has gone out of use.
constexpr std::array<std::string_view, 40> kGeneralLabels = {
    "Br.",        "Am.",         "eAm.",          "eBr.",          "Austr.",
    "NZ",         "Sc.",         "Ir.",           "Can.",          "Dt.",
    "Norddt.",    "Süddt.",      "Mitteldt.",     "Westdt.",       "Ostdt.",
    "Nordostdt.", "Nordwestdt.", "Mittelwestdt.", "Mittelostdt.",  "Bayr.",
    "BW",         "Sachsen",     "Südtirol",      "Ös.",           "Westös.",
    "Schw.",      "ugs.",        "coll.",         "geh.",          "formal",
    "übtr.",      "fig.",        "pej.",          "slang",         "humor.",
    "vulg.",      "iron.",       "euphem.",       "Kindersprache", "Jugendsprache",
};

bool isGeneralLabel(std::string_view label)
{
    // Longer labels are remarks on usage: "[in Zusammensetzungen]", "[children's speech]".
    return label.find(' ') != std::string_view::npos ||
           std::find(kGeneralLabels.begin(), kGeneralLabels.end(), label) != kGeneralLabels.end();
}

// Fields whose words a specialist uses, not a reader of everyday text: "Laufwerk {n}
// [comp.]" is a drive a reader rarely means. The list labels everyday words with other
// fields as well ("Hund {m} [zool.]", "Wort {n} [ling.]", "Angst {f} [psych.]"), so
// those do not count.
constexpr std::array<std::string_view, 22> kTechnicalFields = {
    "techn.",  "comp.",  "fin.",  "econ.",  "chem.",   "electr.",  "mach.",  "telco.",
    "constr.", "min.",   "geol.", "phys.",  "math.",   "biochem.", "pharm.", "statist.",
    "print",   "aviat.", "naut.", "envir.", "astron.", "meteo.",
};

// Words going out of use, or rare ones, weigh as little: "Fernsprecher {m} [veraltet]"
// is a telephone nobody asks for. ("alt" marks a spelling before the 1996 reform.)
constexpr std::array<std::string_view, 11> kDatedLabels = {
    "rare", "selten",  "dated",        "becoming dated", "veraltet", "veraltend",
    "obs.", "archaic", "altertümlich", "poet.",          "alt",
};

bool isTechnicalLabel(std::string_view label)
{
    return std::find(kTechnicalFields.begin(), kTechnicalFields.end(), label) !=
               kTechnicalFields.end() ||
           std::find(kDatedLabels.begin(), kDatedLabels.end(), label) != kDatedLabels.end();
}

bool hasSpecialistLabel(std::string_view text)
{
    for (auto open = text.find('['); open != std::string_view::npos;
         open = text.find('[', open + 1)) {
        const auto close = text.find(']', open);
        if (close == std::string_view::npos)
            return false;
        if (!isGeneralLabel(text.substr(open + 1, close - open - 1)))
            return true;
    }
    return false;
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The end of an abbreviation between slashes that opens at `i` ("century /c; cent./"),
// or npos: it opens after a space and closes before a space, a separator or the end.
std::size_t abbreviationEnd(std::string_view text, std::size_t i)
{
    if (text[i] != '/' || (i > 0 && text[i - 1] != ' '))
        return std::string_view::npos;
    const auto close = text.find('/', i + 1);
    if (close == std::string_view::npos ||
        text.substr(i, close - i).find(" | ") != std::string_view::npos)
        return std::string_view::npos;
    const bool ends = close + 1 == text.size() || text[close + 1] == ' ' || text[close + 1] == ';';
    return ends ? close : std::string_view::npos;
}

// Splits at every `separator` that stands outside brackets. Annotations such as
// "{went; gone}" or "(of a cigarette; cigar)" carry the separators themselves.
std::vector<std::string_view> splitOutside(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (const auto end = depth == 0 ? abbreviationEnd(text, i) : std::string_view::npos;
            end != std::string_view::npos)
            i = end;
        else if (c == '(' || c == '[' || c == '{')
            ++depth;
        else if ((c == ')' || c == ']' || c == '}') && depth > 0)
            --depth;
        else if (depth == 0 && text.substr(i, separator.size()) == separator) {
            parts.push_back(trimmed(text.substr(start, i - start)));
            start = i + separator.size();
            i = start - 1;
        }
    }
    parts.push_back(trimmed(text.substr(start)));
    return parts;
}

} // namespace

bool hasTechnicalLabel(std::string_view text)
{
    for (auto open = text.find('['); open != std::string_view::npos;
         open = text.find('[', open + 1)) {
        const auto close = text.find(']', open);
        if (close == std::string_view::npos)
            return false;
        if (isTechnicalLabel(text.substr(open + 1, close - open - 1)))
            return true;
    }
    return false;
}

LineKind parseDingLine(std::string_view line, SourceLine& out)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (isBlank(line) || line.front() == '#')
        return LineKind::Ignored;
    const auto middle = line.find(" :: ");
    if (middle == std::string_view::npos || line.find(" :: ", middle + 4) != std::string_view::npos)
        return LineKind::Malformed;

    out.germanText = line.substr(0, middle);
    out.englishText = line.substr(middle + 4);
    const auto german = splitOutside(out.germanText, " | ");
    const auto english = splitOutside(out.englishText, " | ");
    out.unpaired = german.size() != english.size();
    out.specialist = hasSpecialistLabel(line);
    out.entries.clear();
    for (std::size_t i = 0; i < german.size() && i < english.size(); ++i)
        out.entries.push_back({splitOutside(german[i], "; "), splitOutside(english[i], "; ")});
    return LineKind::Entry;
}

LineKind parseTsvLine(std::string_view line, SourceLine& out)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (isBlank(line))
        return LineKind::Ignored;
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos)
        return LineKind::Malformed;

    out.englishText = trimmed(line.substr(0, tab));
    out.germanText = trimmed(line.substr(tab + 1));
    out.unpaired = false;
    out.specialist = false;
    out.entries.assign(1, SourceEntry{{out.germanText}, {out.englishText}});
    return LineKind::Entry;
}

} // namespace wb::vocab
