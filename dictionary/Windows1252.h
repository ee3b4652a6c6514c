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

std::u16string windows1252ToUtf16(std::string_view bytes);
std::string windows1252ToUtf8(std::string_view bytes);

} // namespace wb
