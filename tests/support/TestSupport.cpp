#include "tests/support/TestSupport.h"

#include "dictionary/RecordEncoder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace wb::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "wb-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::vector<std::uint8_t>> snapshot(const std::filesystem::path& directory)
{
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        files[entry.path().filename().string()] =
            entry.is_directory() ? std::vector<std::uint8_t>{'/'} : readAll(entry.path());
    return files;
}

void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    writeFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void GeneratedDictionary::writeTo(const std::filesystem::path& directory) const
{
    writeFile(directory / fileName(DictionaryFile::English), engdeu);
    writeFile(directory / fileName(DictionaryFile::German), deueng);
}

namespace {

std::string foldKey(const std::string& word)
{
    std::string key = word;
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = char(c - 32);
    return key;
}

std::vector<std::string> randomWords(std::size_t count, std::size_t maxLength, std::mt19937& rng)
{
    // A small alphabet makes shared prefixes common, as in a real word list.
    static const std::string alphabet = "aaeeiioournsthlmbHHAAUU\xE4\xF6\xFC\xDF\xC4";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::normal_distribution<double> length(8.0, 3.0);
    std::vector<std::string> words(count);
    for (auto& word : words) {
        const auto n =
            std::clamp<std::size_t>(std::size_t(std::max(0.0, length(rng))), 1, maxLength);
        for (std::size_t i = 0; i < n; ++i)
            word += alphabet[letter(rng)];
    }
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        const auto ka = foldKey(a), kb = foldKey(b);
        return ka != kb ? ka < kb : a < b;
    });
    return words;
}

} // namespace

void encode(GeneratedDictionary& dictionary)
{
    RecordEncoder english(DictionaryFile::English);
    for (const auto& entry : dictionary.english)
        if (!english.append(entry.headword, entry.references))
            throw std::logic_error("generated English entry cannot be encoded: " + entry.headword);
    RecordEncoder german(DictionaryFile::German);
    for (const auto& entry : dictionary.german) {
        const std::uint16_t reference[] = {entry.reference};
        if (!german.append(entry.headword, reference))
            throw std::logic_error("generated German entry cannot be encoded: " + entry.headword);
    }
    dictionary.engdeu = english.bytes();
    dictionary.deueng = german.bytes();
}

GeneratedDictionary generateDictionary(std::size_t englishCount, std::size_t germanCount,
                                       std::uint32_t seed)
{
    std::mt19937 rng(seed);
    GeneratedDictionary dictionary;
    std::uniform_int_distribution<int> slots(1, 3);
    std::uniform_int_distribution<std::size_t> pickGerman(0, germanCount ? germanCount - 1 : 0);
    std::uniform_int_distribution<std::size_t> pickEnglish(0, englishCount ? englishCount - 1 : 0);

    for (auto& word : randomWords(englishCount, 15, rng)) {
        GeneratedDictionary::English entry{std::move(word), {}};
        const int n = germanCount ? slots(rng) : 0;
        for (int i = 0; i < n; ++i)
            entry.references.push_back(std::uint16_t(pickGerman(rng)));
        if (entry.references.empty())
            entry.references.push_back(kNoTranslation);
        dictionary.english.push_back(std::move(entry));
    }
    for (auto& word : randomWords(germanCount, 30, rng)) {
        const auto reference = englishCount ? std::uint16_t(pickEnglish(rng)) : kNoTranslation;
        dictionary.german.push_back({std::move(word), reference});
    }
    encode(dictionary);
    return dictionary;
}

} // namespace wb::test

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wb::test {

namespace {

std::string readWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

ProcessResult runProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDirectory,
                         const std::filesystem::path& inputFile)
{
    // Output goes to files, so neither stream can fill a pipe and stall the child.
    TempDir capture;
    const auto outPath = capture.path() / "out", errPath = capture.path() / "err";
    std::vector<char*> argv;
    std::string programString = program.string();
    argv.push_back(programString.data());
    std::vector<std::string> copies(args);
    for (auto& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open(inputFile.empty() ? "/dev/null" : inputFile.c_str(), O_RDONLY);
        if (out < 0 || err < 0 || in < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::dup2(in, 0) < 0)
            ::_exit(127);
        if (!workingDirectory.empty() && ::chdir(workingDirectory.c_str()) != 0)
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readWhole(outPath);
    result.err = readWhole(errPath);
    return result;
}

} // namespace wb::test
