#pragma once
// The verbs of woerterbuch-dict. Each takes the arguments after its name, writes its
// results to `out` and its messages to `err`, and returns the exit status. A verb
// throws UsageError for arguments it cannot make sense of.
#include <filesystem>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace wb::cli {

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;     // check found problems
constexpr int kExitOutputFailed = 1; // standard output could not be written
constexpr int kExitSearchFailed = 2; // a translation index was out of range
constexpr int kExitNoData = 3;       // the data directory could not be found
constexpr int kExitUsage = 64;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Arguments = std::span<const std::string>;

// Takes `--data DIR` (or `--data=DIR`) out of `args`; the rest, in order, are the
// positional arguments. The directory defaults to the executable's own; when that
// cannot be found, throws ExecutablePathError (never a relative path).
struct DataArguments {
    std::filesystem::path directory;
    std::vector<std::string> positional;
};
DataArguments parseDataArguments(Arguments args);

int lookupCommand(Arguments args, std::ostream& out, std::ostream& err);
int dumpCommand(Arguments args, std::ostream& out, std::ostream& err);
int checkCommand(Arguments args, std::ostream& out, std::ostream& err);

} // namespace wb::cli
