#include "messages/QuotedInput.h"

#include <algorithm>
#include <string>

namespace wb::messages {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendHex(std::string& out, unsigned char byte)
{
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

// The length of the valid UTF-8 character at the start of `text`, or 0.
std::size_t characterLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, value = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, value = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, value = lead & 0x07;
    else
        return 0;
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < least[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return 0;
    return length;
}

bool isControl(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return first < 0x20 || first == 0x7F;
    // U+0080-U+009F, the C1 controls, are C2 80 to C2 9F.
    return character.size() == 2 && first == 0xC2 &&
           static_cast<unsigned char>(character[1]) < 0xA0;
}

// The quote of `text` with at most `limit` of its bytes shown.
std::string quoted(std::string_view text, std::size_t limit)
{
    std::string out = "\"";
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = characterLength(text.substr(at));
        if (at + std::max<std::size_t>(length, 1) > limit)
            break;
        const std::string_view character = text.substr(at, length);
        if (length == 0) {
            appendHex(out, static_cast<unsigned char>(text[at]));
            ++at;
            continue;
        }
        if (character == "\\" || character == "\"")
            out += '\\';
        if (isControl(character)) {
            for (const char byte : character)
                appendHex(out, static_cast<unsigned char>(byte));
        } else {
            out += character;
        }
        at += length;
    }
    out += '"';
    if (at < text.size())
        out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

// A path that reads the same quoted or not: valid UTF-8 without controls, blanks,
// quotes or backslashes.
bool plainPath(std::string_view path)
{
    if (path.empty() || path.size() > kQuotedPathBytes)
        return false;
    for (std::size_t at = 0; at < path.size();) {
        const std::size_t length = characterLength(path.substr(at));
        if (length == 0)
            return false;
        const std::string_view character = path.substr(at, length);
        if (isControl(character) || character == " " || character == "\"" || character == "\\")
            return false;
        at += length;
    }
    return true;
}

} // namespace

std::string quotedInput(std::string_view text)
{
    return quoted(text, kQuotedInputBytes);
}

std::string quotedPath(const std::filesystem::path& path)
{
    const std::string& text = path.native();
    return plainPath(text) ? text : quoted(text, kQuotedPathBytes);
}

} // namespace wb::messages
