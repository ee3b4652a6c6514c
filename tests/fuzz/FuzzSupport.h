#pragma once
// What the fuzz harnesses share: the layout of an input (sections between separators),
// a scratch directory for harnesses that go through real files, and the way a broken
// property stops the run. The harnesses build both against libFuzzer (clang) and into a
// plain replay driver (any compiler), so nothing here depends on libFuzzer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wb::fuzz {

using Bytes = std::vector<std::uint8_t>;

// Reports the property that does not hold and aborts, so that libFuzzer keeps the input
// and the replay driver fails.
[[noreturn]] void fail(const char* property, const std::string& detail);

#define WB_FUZZ_CHECK(condition, detail)                                                           \
    ((condition) ? void() : ::wb::fuzz::fail(#condition, (detail)))

// An input is one byte whose bits 0 and 1 say whether deueng.dat and engdeu.dat exist,
// then sections separated by this token: the content of deueng.dat, of engdeu.dat, and
// then whatever the harness takes next (search keys, for example). A section that is
// not there is empty.
inline constexpr std::string_view kSeparator = "|#|";

// `text` split at each separator; a harness with another layout (say, the text formats
// the compile verb reads) splits its input with this.
std::vector<std::string_view> splitSections(std::string_view text);

struct FuzzInput {
    explicit FuzzInput(std::span<const std::uint8_t> input);

    std::optional<Bytes> german;  // nothing: deueng.dat is missing
    std::optional<Bytes> english; // nothing: engdeu.dat is missing
    std::vector<std::string_view> rest;
};

// A directory that belongs to this process, created on first use and removed at exit.
const std::filesystem::path& scratchDirectory();

// Makes `directory/name` hold exactly `bytes`, or removes it when there are none.
void placeFile(const std::filesystem::path& directory, std::string_view name,
               const std::optional<Bytes>& bytes);

// Printable form of a byte string for failure messages.
std::string printable(std::string_view bytes);

} // namespace wb::fuzz
