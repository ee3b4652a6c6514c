#pragma once
// The verbs of woerterbuch-dict. Each takes the arguments after its name, writes its
// results to `out` and its messages to `err`, and returns the exit status. A verb
// throws UsageError for arguments it cannot make sense of.
#include <filesystem>
#include <istream>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace wb::cli {

// The exit statuses, all of them; the manual page and the README explain each.
constexpr int kExitOk = 0;
constexpr int kExitNoMatch = 1;      // lookup --status found nothing
constexpr int kExitProblems = 1;     // check found problems
constexpr int kExitOutputFailed = 1; // standard output could not be written
constexpr int kExitInputFailed = 1;  // standard input could not be read
constexpr int kExitSearchFailed = 2; // a translation index was out of range
constexpr int kExitNoData = 3;       // no data: neither file read, or no directory to read from
constexpr int kExitUsage = 64;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Arguments = std::span<const std::string>;

// Takes `--data DIR` (or `--data=DIR`) and the switches named in `switches` out of
// `args`; the rest, in order, are the positional arguments. The directory defaults to
// the executable's own; when that cannot be found, throws ExecutablePathError (never a
// relative path).
struct DataArguments {
    std::filesystem::path directory;
    std::vector<std::string> positional;
    std::vector<std::string> switches; // those given, in order

    bool has(std::string_view name) const;
};
DataArguments parseDataArguments(Arguments args, std::span<const std::string_view> switches = {});

// Reads the texts to look up from `in` when asked to (`-` or `--stdin`).
int lookupCommand(Arguments args, std::istream& in, std::ostream& out, std::ostream& err);
int lookupCommand(Arguments args, std::ostream& out, std::ostream& err);
int dumpCommand(Arguments args, std::ostream& out, std::ostream& err);
int checkCommand(Arguments args, std::ostream& out, std::ostream& err);

} // namespace wb::cli
