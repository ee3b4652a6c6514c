#pragma once
// Input that a message quotes (a word, a count, an id), made safe for a terminal and a
// log: whatever the bytes, the quote is one line of printable text of bounded length.
// It does not decide what the message says around it.
#include <cstddef>
#include <string>
#include <string_view>

namespace wb::messages {

// How many bytes of the input a quote shows at most.
inline constexpr std::size_t kQuotedInputBytes = 60;

// `text` in double quotes: a backslash doubled, a double quote as \", a control
// character (C0, DEL and the C1 range U+0080-U+009F) and every byte that is not part
// of a valid UTF-8 character as \xNN. Beyond kQuotedInputBytes the quote is cut at a
// character's end and followed by "... (N bytes)", N the input's full length.
std::string quotedInput(std::string_view text);

} // namespace wb::messages
