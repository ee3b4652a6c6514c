#include "tests/fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace wb::fuzz {
namespace {

class ScratchDirectory {
public:
    ScratchDirectory()
    {
        std::string pattern = (base() / "wb-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch directory");
        m_path = pattern;
    }
    ~ScratchDirectory()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    // Memory-backed when the system has it: on a disk file system each rewrite of the
    // files costs a truncation, which dominated a run.
    static std::filesystem::path base()
    {
        const std::filesystem::path memory = "/dev/shm";
        if (::access(memory.c_str(), W_OK | X_OK) == 0)
            return memory;
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path m_path;
};

} // namespace

void fail(const char* property, const std::string& detail)
{
    std::fprintf(stderr, "\nproperty does not hold: %s\n%s\n", property, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

std::vector<std::string_view> splitSections(std::string_view text)
{
    std::vector<std::string_view> sections;
    for (;;) {
        const auto at = text.find(kSeparator);
        sections.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return sections;
        text.remove_prefix(at + kSeparator.size());
    }
}

FuzzInput::FuzzInput(std::span<const std::uint8_t> input)
{
    if (input.empty())
        return;
    const unsigned presence = input[0];
    const auto sections = splitSections(
        std::string_view(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1));
    const auto content = [&](std::size_t i) {
        const auto text = i < sections.size() ? sections[i] : std::string_view();
        return Bytes(text.begin(), text.end());
    };
    if (presence & 1)
        german = content(0);
    if (presence & 2)
        english = content(1);
    if (sections.size() > 2)
        this->rest.assign(sections.begin() + 2, sections.end());
}

const std::filesystem::path& scratchDirectory()
{
    static const ScratchDirectory directory;
    return directory.path();
}

void placeFile(const std::filesystem::path& directory, std::string_view name,
               const std::optional<Bytes>& bytes)
{
    const auto path = directory / std::string(name);
    if (!bytes) {
        std::filesystem::remove(path);
        return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes->data()), std::streamsize(bytes->size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string printable(std::string_view bytes)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"') {
            text += c;
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 15];
        }
    }
    return text + '"';
}

} // namespace wb::fuzz
