// How Candidates spells a headword the list writes in a form a reader does not type.
#include "vocabulary/Candidates.h"

#include <optional>

namespace wb::vocab {

namespace {

std::optional<std::string> lowerCaseInitial(const std::string& word)
{
    const auto first = static_cast<unsigned char>(word.front());
    const bool capital = (first >= 'A' && first <= 'Z') || (first >= 0xC0 && first <= 0xDE);
    if (!capital || first == 0xD7 || word.size() < 2)
        return std::nullopt;
    auto lower = word;
    lower.front() = char(first + 0x20); // both in ASCII and in Latin-1
    return lower;
}

} // namespace

// "Hallo!", "Hello!": an exclamation starts a sentence, so the list writes it with a
// capital, which a reader does not ("hallo", "hello"), unless the word is always
// written so ("Achtung!", "Jesus!"). Where the list's own text uses the word in lower
// case, the headword is that; a headword already so written takes its lines and
// pairings. (Frequency lists cannot tell: subtitles, too, start a sentence with it.)
void Candidates::respellExclamations(Side& side)
{
    std::vector<HeadwordId> into(side.headwords.size());
    bool merged = false;
    for (HeadwordId id = 0; id < side.headwords.size(); ++id) {
        into[id] = id;
        Headword& headword = side.headwords[id];
        if (!headword.exclamation || !MentionCounter::isSingleWord(headword.text))
            continue;
        auto lower = lowerCaseInitial(headword.text);
        if (!lower || side.mentions.linesMentioning(*lower) == 0)
            continue;
        if (const auto existing = side.ids.find(side.headwords, *lower)) {
            Headword& target = side.headwords[*existing];
            target.lines += headword.lines;
            target.generalLines += headword.generalLines;
            target.entryLines += headword.entryLines;
            target.main = target.main || headword.main;
            into[id] = *existing;
            merged = true;
        } else {
            headword.text = std::move(*lower);
        }
    }
    if (!merged)
        return;
    const bool german = &side == &m_german;
    for (Occurrence& o : m_occurrences)
        (german ? o.german : o.english) = into[german ? o.german : o.english];
}

} // namespace wb::vocab
