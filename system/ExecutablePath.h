#pragma once
// Where the running executable lives, read from /proc/self/exe. Data files are looked up
// beside it, never in the current directory: when the executable's path cannot be found
// (no /proc, or the file deleted since it was started) the lookup fails instead of
// yielding a relative path.
#include <filesystem>
#include <stdexcept>

namespace wb {

// what() is "cannot find the program's own directory: REASON".
class ExecutablePathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The kernel's link to the running executable; tests name another to see a failure.
inline const std::filesystem::path kExecutableLink = "/proc/self/exe";

// The executable's own path with every symlink resolved, read through `link`. Throws
// ExecutablePathError when it cannot be resolved to an existing absolute path.
std::filesystem::path executablePath(const std::filesystem::path& link = kExecutableLink);
// The directory that holds the executable (symlinks resolved). Throws
// ExecutablePathError.
std::filesystem::path executableDirectory(const std::filesystem::path& link = kExecutableLink);

} // namespace wb
