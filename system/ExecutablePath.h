#pragma once
// Stands in for the toolkit's "where is this program", over /proc/self/exe.
// Where the running executable lives. Data files are looked up beside it, never in
// the current directory.
#include <filesystem>

namespace wb {

// The executable's own path with every symlink resolved.
std::filesystem::path executablePath();
// The directory that holds the executable (symlinks resolved).
std::filesystem::path executableDirectory();

} // namespace wb
