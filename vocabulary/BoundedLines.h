#pragma once
// The compile's inputs read as a stream of lines in blocks: a line is held only while
// it fits a limit (a longer one streams past and is only counted), and a stream that
// goes on past a size cap (/dev/zero, say) is refused. What a line means is the
// caller's to decide.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string_view>

namespace wb::vocab {

struct LineLimits {
    std::size_t maxLineBytes;
    std::uintmax_t maxTotalBytes;
};

// Thrown when the input goes on past LineLimits::maxTotalBytes; the message says how far.
class InputTooLarge : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct LineHandlers {
    std::function<void(std::string_view)> line; // each line that fits, without its '\n'
    std::function<void()> tooLong;              // once a line is known not to, before
                                                // the rest of it is skipped; may throw
    std::function<void()> poll;                 // between blocks; may throw to stop
};

// Reads `in` to its end. A last line without a newline counts as a line. A read error
// leaves `in` bad for the caller to report.
void forEachLine(std::istream& in, LineLimits limits, const LineHandlers& handlers);

} // namespace wb::vocab
