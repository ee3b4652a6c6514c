#include "forms/FormResolver.h"

#include "forms/CompoundSplit.h"

#include <algorithm>

namespace wb {
namespace {

constexpr std::size_t kShortestRuledPart = 5;
// No headword is longer (15 bytes shared with the one before, 255 of its own), so a
// longer text is nobody's form, and the rules need not copy it a hundred times.
constexpr std::size_t kLongestHeadword = kMaxPrefix + kMaxGermanSuffix;

void appendNew(std::vector<std::uint32_t>& to, std::span<const std::uint32_t> from)
{
    for (const std::uint32_t index : from)
        if (std::find(to.begin(), to.end(), index) == to.end())
            to.push_back(index);
}

// The spellings a word takes in a text besides its dictionary one: at the start of a
// sentence ("Ging"), or a noun written small ("häuser").
std::vector<std::string> caseVariants(std::string_view text)
{
    std::vector<std::string> variants{std::string(text)};
    const auto withFirst = [&](char first) {
        std::string variant(text);
        variant[0] = first;
        if (std::find(variants.begin(), variants.end(), variant) == variants.end())
            variants.push_back(std::move(variant));
    };
    if (!text.empty()) {
        withFirst(latinLower(text[0]));
        withFirst(latinUpper(text[0]));
    }
    return variants;
}

} // namespace

FormResolver::FormResolver(FormLanguage language, const WordList& words, const FormsTable& forms,
                           std::span<const std::uint16_t> weights)
    : m_language(language)
    , m_words(words)
    , m_forms(forms)
    , m_weights(weights)
    , m_headwords(words)
{
}

std::vector<std::uint32_t> FormResolver::listedForm(std::string_view text) const
{
    std::vector<std::uint32_t> found;
    for (const std::string& variant : caseVariants(text))
        for (const std::uint16_t base : m_forms.find(variant))
            if (base < m_words.size() && std::find(found.begin(), found.end(), base) == found.end())
                found.push_back(base);
    // The file keeps a form's bases in headword order; the nearest comes first: one
    // whose first letter has the text's case (the case variants find "Waren" for
    // "waren", "Kleine" for "kleinen"), then the longest one the text extends
    // ("nächsten" is "nächste" before "nächst", whose own sense is another).
    const std::string lower = latinLowerCase(text);
    const auto isUpper = [](char c) { return latinUpper(c) == c && latinLower(c) != c; };
    const auto nearness = [&](std::uint32_t index) {
        const std::string_view base = m_words[index];
        const bool sameCase = !base.empty() && isUpper(base[0]) == isUpper(text[0]);
        const std::string folded = latinLowerCase(base);
        return std::pair(sameCase, lower.starts_with(folded) ? folded.size() : 0);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return nearness(a) > nearness(b); });
    return found;
}

std::vector<std::uint32_t> FormResolver::byRules(std::string_view text) const
{
    std::vector<std::uint32_t> found;
    if (m_language == FormLanguage::German) {
        const std::string_view word = germanContraction(text);
        if (!word.empty())
            appendNew(found, m_headwords.exact(word));
        if (!found.empty())
            return found;
    }
    // The first spelling whose candidates meet headwords wins: "Weg" as written
    // before "weg".
    for (const std::string& variant : caseVariants(text)) {
        if (variant != text)
            appendNew(found, m_headwords.exact(variant));
        for (const std::string& candidate : ruleCandidates(m_language, variant)) {
            appendNew(found, m_headwords.exact(candidate));
            appendNew(found, listedForm(candidate));
        }
        if (!found.empty())
            return found;
    }
    return found;
}

std::vector<std::uint32_t> FormResolver::compoundPart(std::string_view lowerPart, bool last) const
{
    auto found = m_headwords.folded(lowerPart);
    // Only the last part is inflected ("Kindergartenplätze"); the others are stems.
    if (found.empty() && last) {
        std::string capitalised(lowerPart);
        capitalised[0] = latinUpper(capitalised[0]);
        found = listedForm(capitalised);
        // A short tail is too easily a stray ending ("zweidimension|alen").
        if (found.empty() && lowerPart.size() >= kShortestRuledPart)
            found = byRules(capitalised);
    }
    // A part is spelt as a noun where the list has it so ("Dampf" before "dampf").
    std::stable_sort(found.begin(), found.end(), [this](std::uint32_t a, std::uint32_t b) {
        const auto upper = [this](std::uint32_t i) {
            return !m_words[i].empty() && latinUpper(m_words[i][0]) == m_words[i][0];
        };
        return upper(a) && !upper(b);
    });
    return found;
}

Resolution FormResolver::compound(std::string_view text) const
{
    const std::string lower = latinLowerCase(text);
    const auto parts = splitCompound(lower, [&](std::string_view part) {
        const bool last = part.data() + part.size() == lower.data() + lower.size();
        const auto found = compoundPart(part, last);
        if (found.empty())
            return -1;
        int weight = 0;
        for (const std::uint32_t index : found)
            if (index < m_weights.size())
                weight = std::max(weight, int(m_weights[index]));
        return weight;
    });
    if (parts.empty())
        return {};
    Resolution resolution{ResolutionKind::Compound, {}};
    for (const CompoundPart& part : parts) {
        const bool last = part.begin + part.length == lower.size();
        resolution.bases.push_back(
            compoundPart(std::string_view(lower).substr(part.begin, part.length), last));
    }
    return resolution;
}

std::vector<std::uint32_t> FormResolver::basesOf(std::string_view text) const
{
    if (text.empty() || text.size() > kLongestHeadword)
        return {};
    auto bases = listedForm(text);
    if (bases.empty() && !isHeadwordButForCase(text))
        bases = byRules(text);
    return bases;
}

// "haus" is "Haus" typed small, not a form the rules may take to "hauen"; the
// variants are the ones the forms table is read with.
bool FormResolver::isHeadwordButForCase(std::string_view text) const
{
    const auto variants = caseVariants(text);
    return std::any_of(variants.begin(), variants.end(),
                       [&](const std::string& variant) { return m_headwords.contains(variant); });
}

Resolution FormResolver::resolve(std::string_view text) const
{
    if (text.empty() || text.size() > kLongestHeadword || m_headwords.contains(text))
        return {};
    auto bases = basesOf(text);
    if (!bases.empty())
        return {ResolutionKind::Form, {std::move(bases)}};
    if (m_language == FormLanguage::German)
        return compound(text);
    return {};
}

} // namespace wb
