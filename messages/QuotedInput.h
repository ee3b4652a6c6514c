#pragma once
// Input that a message quotes (a word, a count, an id), made safe for a terminal and a
// log: whatever the bytes, the quote is one line of printable text of bounded length.
// It does not decide what the message says around it.
#include <cstddef>
#include <filesystem>
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

// How many bytes of a path a message shows at most: more than any path the system opens.
inline constexpr std::size_t kQuotedPathBytes = 4096;

// A file's path as a message names it: as it stands when it is valid UTF-8 without
// controls, blanks, quotes or backslashes (nearly every path), else quoted as above with
// up to kQuotedPathBytes shown, so that a name made of escapes cannot drive the terminal.
std::string quotedPath(const std::filesystem::path& path);

} // namespace wb::messages
