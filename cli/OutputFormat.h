#pragma once
// How the command prints what a lookup found: plain lines (headword, tab,
// translations joined by "; ") or JSON. Both escape every control byte, so that one
// record is always one line and a crafted headword cannot forge rows or send escapes
// to a terminal. The text handed in is UTF-8.
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace wb::cli {

enum class Quoting {
    Line, // "\n", "\t", "\\", other control bytes as "\x1b", U+0081 as "\x81"
    Json, // the contents of a JSON string: also '"', control bytes as "\u001b"
};

// Appends `text` (UTF-8) to `out`, escaped for `quoting`. The C1 controls U+0080 to
// U+009F are escaped like the control bytes; other bytes from 0x80 up pass unchanged.
void appendEscaped(std::string& out, std::string_view text, Quoting quoting);
std::string escaped(std::string_view text, Quoting quoting);

enum class OutputFormat { Plain, Json };

// Why a row stands in a lookup's answer when the text itself matched nothing: its
// headword is the base of a form ("Häusern" -> "Haus") or a part of a compound.
enum class RowOrigin { Match, FormOf, PartOf };

// Receives the rows of one lookup after another. A row without translations is one
// whose translation could not be assembled.
class RowWriter {
public:
    virtual ~RowWriter() = default;
    virtual void beginLookup() = 0;
    // Marks the rows that follow, until the lookup ends, as coming from `text`.
    virtual void setOrigin(RowOrigin origin, std::string_view text) = 0;
    virtual void row(std::string_view headword, const std::vector<std::string>& translations) = 0;
    virtual void endLookup() = 0;
};

// Plain lines run on from one lookup to the next; JSON gives one array per lookup,
// each on a line of its own, so the n-th line answers the n-th text.
std::unique_ptr<RowWriter> makeRowWriter(OutputFormat format, std::ostream& out);

} // namespace wb::cli
