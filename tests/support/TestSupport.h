#pragma once
// Helpers shared by the tests and the benchmarks: a reporter that collects messages,
// temporary directories, and generated dictionaries with a model to check against.
#include "system/ErrorReporter.h"
#include "tests/support/Process.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace wb::test {

class CollectingReporter : public ErrorReporter {
public:
    void reportError(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};

// A fresh directory under the system's temporary directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void writeFile(const std::filesystem::path& path, std::string_view bytes);
// The whole content of a file; empty when it cannot be read.
std::vector<std::uint8_t> readAll(const std::filesystem::path& path);
// Every name in the directory with its content ("/" for a directory), to tell whether
// anything in it changed.
std::map<std::string, std::vector<std::uint8_t>> snapshot(const std::filesystem::path& directory);

// A pair of files with the entries they hold, in file order.
struct GeneratedDictionary {
    struct English {
        std::string headword;
        std::vector<std::uint16_t> references; // 1 to 3 German indices
    };
    struct German {
        std::string headword;
        std::uint16_t reference = 0; // English index
    };
    std::vector<English> english;
    std::vector<German> german;
    std::vector<std::uint8_t> engdeu;
    std::vector<std::uint8_t> deueng;

    void writeTo(const std::filesystem::path& directory) const;
};

// Words of realistic lengths over a small alphabet (with umlaut bytes and mixed case,
// so that prefixes repeat and case folding matters), in dictionary order, every
// reference valid.
GeneratedDictionary generateDictionary(std::size_t englishCount, std::size_t germanCount,
                                       std::uint32_t seed);

// Encodes the entries of `dictionary` into its two byte vectors.
void encode(GeneratedDictionary& dictionary);

} // namespace wb::test
