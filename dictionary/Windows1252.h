#pragma once
// Conversions between the dictionary's single-byte text (Windows-1252) and the
// Unicode forms used by the toolkit (UTF-16) and the terminal (UTF-8).
#include <string>
#include <string_view>

namespace wb {

// Characters that Windows-1252 cannot represent become "?"; a surrogate pair counts
// as one character.
std::string toWindows1252(std::u16string_view text);
// UTF-8 input; malformed sequences become "?".
std::string utf8ToWindows1252(std::string_view text);
// Returns false, and leaves `out` unspecified, when a character is not representable.
bool utf8ToWindows1252Exact(std::string_view text, std::string& out);

// 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for no character; they convert to the C1
// controls of the same number, which a terminal may act on.
constexpr bool isUndefinedInWindows1252(unsigned char byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

std::u16string windows1252ToUtf16(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);

} // namespace wb
