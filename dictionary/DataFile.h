#pragma once
// Reading a data file from a directory: only regular files are read (a FIFO or a
// device would block or never end), and at most a given number of bytes.
#include "dictionary/RecordDecoder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace wb {

// The file's path in `directory`: the exact name if it exists, otherwise the first
// (in byte order) entry whose name matches ignoring the case of a-z, as files copied
// from a case-insensitive file system may be named. Returns the exact path when
// nothing matches.
std::filesystem::path locateFile(const std::filesystem::path& directory, std::string_view name);

// The file's first `limit` bytes (all of them when shorter). A read error after a
// successful open keeps what was read. Returns nothing when the file cannot be
// opened for reading, is not a regular file, or changes every time it is read (for
// a little while: a file being copied in gets the time to settle).
std::optional<std::vector<std::uint8_t>> readDataFile(const std::filesystem::path& path,
                                                      std::size_t limit);

// The first `limit` bytes of one of the two data files in `directory`, found as
// locateFile() finds it and read as readDataFile() reads.
std::optional<std::vector<std::uint8_t>> readDictionaryFile(const std::filesystem::path& directory,
                                                            DictionaryFile file, std::size_t limit);

} // namespace wb
