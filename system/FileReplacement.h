#pragma once
// Replaces a set of files in one directory so that the directory never shows a cut
// file: each new version is written beside its file under a temporary name, flushed to
// the disk, and only when every one of them is complete are they renamed over the
// previous versions. When any step fails, the previous versions stay exactly as they
// were and no temporary file is left behind. Standard C++ and POSIX only.
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>

namespace wb {

struct FileContent {
    std::string name; // a plain file name inside the directory
    std::span<const std::uint8_t> bytes;
};

// what() names the file ("cannot write DIR/NAME: No space left on device").
class FileReplaceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes `files` into the existing `directory`, replacing files of the same names.
// SIGINT, SIGTERM and SIGHUP are held back while it runs: one that arrives (or is
// already pending) before the files are in place abandons the write and throws, and it
// is delivered when this returns, after the temporary files are gone. The renames
// themselves are done as one step; should one of them fail, the files already renamed
// get their previous versions back. Throws FileReplaceError. Not for concurrent use.
void replaceFiles(const std::filesystem::path& directory, std::span<const FileContent> files);

} // namespace wb
