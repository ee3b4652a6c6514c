#include "dictionary/Windows1252.h"

#include <array>
#include <cstdint>

namespace wb {
namespace {

// Code points of the bytes 0x80..0x9F. The five bytes the code page leaves unassigned
// map to the C1 control with the same number, as the desktop's own conversion does.
// clang-format off
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

char16_t codePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

// Returns -1 when the code point has no byte in the code page.
int byteOf(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return int(0x80 + i);
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns U+FFFD for malformed input and always
// advances by at least one byte.
char32_t nextUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5)
        return 0xFFFD;
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

// Converts UTF-8 into `out`. What the code page cannot represent becomes "?", or,
// when `exact`, ends the conversion with false.
bool convertUtf8(std::string_view text, std::string& out, bool exact)
{
    out.clear();
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const int byte = byteOf(nextUtf8(text, pos));
        if (byte < 0 && exact)
            return false;
        out += byte < 0 ? '?' : char(byte);
    }
    return true;
}

} // namespace

std::string toWindows1252(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            ++i; // the pair is one character, and none of them has a byte
        const int byte = byteOf(cp);
        out += byte < 0 ? '?' : char(byte);
    }
    return out;
}

std::string utf8ToWindows1252(std::string_view text)
{
    std::string out;
    convertUtf8(text, out, false);
    return out;
}

bool utf8ToWindows1252Exact(std::string_view text, std::string& out)
{
    return convertUtf8(text, out, true);
}

std::u16string windows1252ToUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += codePointOf(static_cast<unsigned char>(c));
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

} // namespace wb
