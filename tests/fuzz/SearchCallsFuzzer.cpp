// What the search service checks of a call before any work, without a bus: the result
// ids it parses and the text it hands on to the window.
// Input: two bytes, the sizes of the English and German lists in hundreds, then an id
// |#| a text.
//
// Properties:
//   - an id parses exactly when it is the one formatResultId gives for an entry below
//     its list's size, and then to that entry;
//   - the text cut for the search field is the longest prefix of whole characters that
//     is at most kSearchFieldUnits UTF-16 units long.
#include "search/CallLimits.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace wb;
using namespace wb::fuzz;

// The UTF-16 units of a UTF-8 character that begins with `lead`: two for a four-byte
// one, one for anything else (a stray byte stands for one replacement character).
std::size_t unitsOf(unsigned char lead)
{
    return lead >= 0xF0 ? 2 : 1;
}

bool continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Well-formed UTF-8, as every string a bus delivers is.
bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if (!continuation(text[i + k]))
                return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t english = std::size_t(data[0]) * 100;
    const std::size_t german = std::size_t(data[1]) * 100;
    const auto sections =
        splitSections(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));
    const std::string_view id = sections.empty() ? "" : sections[0];
    const auto parsed = parseResultId(id, english, german);
    if (parsed) {
        WB_FUZZ_CHECK(formatResultId(*parsed) == id, printable(id));
        WB_FUZZ_CHECK(parsed->index <
                          (parsed->direction == Direction::EnglishToGerman ? english : german),
                      printable(id));
    }
    for (const Direction direction : {Direction::EnglishToGerman, Direction::GermanToEnglish}) {
        const std::size_t count = direction == Direction::EnglishToGerman ? english : german;
        const ResultId entry{direction, id.size() * 997 % 70000};
        const auto back = parseResultId(formatResultId(entry), english, german);
        WB_FUZZ_CHECK(back.has_value() == (entry.index < count) && (!back || *back == entry),
                      formatResultId(entry));
    }

    const std::string_view text = sections.size() > 1 ? sections[1] : "";
    const std::string_view cut = cutToSearchField(text);
    WB_FUZZ_CHECK(text.starts_with(cut), "not a prefix");
    if (!isUtf8(text))
        return 0;
    WB_FUZZ_CHECK(cut.size() == text.size() || !continuation(text[cut.size()]),
                  "cut inside a character");
    std::size_t units = 0;
    for (std::size_t i = 0; i < cut.size(); ++i)
        if (!continuation(cut[i]))
            units += unitsOf(static_cast<unsigned char>(cut[i]));
    WB_FUZZ_CHECK(units <= kSearchFieldUnits, std::to_string(units) + " units");
    if (cut.size() < text.size())
        WB_FUZZ_CHECK(units + unitsOf(static_cast<unsigned char>(text[cut.size()])) >
                          kSearchFieldUnits,
                      "cut short at " + std::to_string(units) + " units");
    return 0;
}
