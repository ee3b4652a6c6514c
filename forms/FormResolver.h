#pragma once
// Takes a word as it stands in a text to the headwords of one language it comes from:
// a form listed in the forms file ("Häusern" -> "Haus"), a contraction ("im" -> "in"),
// a regular form the rules find ("geklickt" -> "klicken"), or, in German, a compound
// split into headwords. resolve() never replaces a headword: a text that is one
// resolves to nothing. It holds references to the word list and the table; both must outlive it.
#include "dictionary/WordList.h"
#include "forms/FormRules.h"
#include "forms/FormsFile.h"
#include "forms/HeadwordLookup.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace wb {

enum class ResolutionKind { None, Form, Compound };

struct Resolution {
    ResolutionKind kind = ResolutionKind::None;
    // Form: the headwords it is a form of. Compound: for each part, the headwords it
    // is (a noun's spelling first).
    std::vector<std::vector<std::uint32_t>> bases;
};

class FormResolver {
public:
    // `forms` may be an empty table (no forms file, or one that was refused).
    // `weights`, when given, says how common each headword is (translationReferenceCounts),
    // for choosing between splits of a compound; it must outlive the resolver.
    FormResolver(FormLanguage language, const WordList& words, const FormsTable& forms,
                 std::span<const std::uint16_t> weights = {});

    // `text` in Windows-1252.
    Resolution resolve(std::string_view text) const;
    // The headwords `text` is a form of, even when it is a headword itself ("ging" of
    // "gehen"): the forms file's entries, and the rules' only for a text that is no
    // headword, not even but for the case of its first letter. No compounds.
    std::vector<std::uint32_t> basesOf(std::string_view text) const;
    // Whether the forms file gives `text`, exactly as written, as a form: "habe" of
    // "haben", though "Habe" is a headword.
    bool listsAsWritten(std::string_view text) const { return !m_forms.find(text).empty(); }

private:
    std::vector<std::uint32_t> listedForm(std::string_view text) const;
    bool isHeadwordButForCase(std::string_view text) const;
    std::vector<std::uint32_t> byRules(std::string_view text) const;
    std::vector<std::uint32_t> compoundPart(std::string_view lowerPart, bool last) const;
    Resolution compound(std::string_view text) const;

    FormLanguage m_language;
    const WordList& m_words;
    const FormsTable& m_forms;
    std::span<const std::uint16_t> m_weights;
    HeadwordLookup m_headwords;
};

} // namespace wb
