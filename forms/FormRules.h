#pragma once
// The regular inflection that the form tables leave out, run backwards: from a text to
// the words it may be a form of. A rule only proposes; the resolver accepts a proposal
// only when it is a headword. All text is Windows-1252.
#include <string>
#include <string_view>
#include <vector>

namespace wb {

enum class FormLanguage { German, English };

// The lower and upper case of a letter of Windows-1252 (a-z, and the accented letters
// from 0xC0 up, "Ä" and "ä" among them); other bytes stand for themselves.
char latinLower(char c);
char latinUpper(char c);
std::string latinLowerCase(std::string_view text);

// The word a contraction stands for ("im" -> "in", "zum" -> "zu"), or "" when `text`
// (in any case) is none.
std::string_view germanContraction(std::string_view text);

// What `text` may be a form of, most likely first, without duplicates: endings taken
// off (with an "-e", "-en" or "-n" put back for a verb or a noun), an umlaut undone,
// a participle's "ge-" and an infinitive's "zu" taken out ("Zielgruppen" ->
// "Zielgruppe", "geklickt" -> "klicken", "größer" -> "groß", "fortzusetzen" ->
// "fortsetzen"); for English the regular suffixes ("studies" -> "study", "stopped" ->
// "stop", "bigger" -> "big").
std::vector<std::string> ruleCandidates(FormLanguage language, std::string_view text);

} // namespace wb
