#include "cli/CompileCommand.h"

#include "messages/QuotedInput.h"
#include "system/FileReplacement.h"
#include "vocabulary/VocabularyCompiler.h"

#include <charconv>
#include <malloc.h>
#include <optional>

namespace wb::cli {
namespace {

std::size_t parseMax(const std::string& text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 ||
        value > kMaxRecords)
        throw UsageError("--max takes a number from 1 to " + std::to_string(kMaxRecords));
    return value;
}

// The options that name a file per language, and where each puts it.
struct LanguageFileOption {
    std::string_view name;
    std::filesystem::path vocab::CompileOptions::*english;
    std::filesystem::path vocab::CompileOptions::*german;
};
constexpr LanguageFileOption kLanguageFileOptions[] = {
    {"--frequencies", &vocab::CompileOptions::englishFrequencies,
     &vocab::CompileOptions::germanFrequencies},
    {"--breadth", &vocab::CompileOptions::englishBreadth, &vocab::CompileOptions::germanBreadth},
    {"--judged", &vocab::CompileOptions::englishJudged, &vocab::CompileOptions::germanJudged},
    {"--forms", &vocab::CompileOptions::englishForms, &vocab::CompileOptions::germanForms},
};

const LanguageFileOption* languageFileOption(std::string_view option)
{
    for (const auto& known : kLanguageFileOptions)
        if (known.name == option)
            return &known;
    return nullptr;
}

// "en=FILE" or "de=FILE"; each language once.
void parseLanguageFile(const LanguageFileOption& option, const std::string& value,
                       vocab::CompileOptions& options)
{
    const std::string name(option.name);
    const auto equals = value.find('=');
    const std::string language = value.substr(0, equals);
    if (equals == std::string::npos || equals + 1 == value.size() ||
        (language != "en" && language != "de"))
        throw UsageError(name + " takes en=FILE or de=FILE, not " + messages::quotedInput(value));
    auto& path = options.*(language == "en" ? option.english : option.german);
    if (!path.empty())
        throw UsageError(name + " " + language + "= is given twice");
    path = value.substr(equals + 1);
}

vocab::CompileOptions parseCompileArguments(Arguments args)
{
    vocab::CompileOptions options;
    std::optional<vocab::SourceFormat> format;
    bool haveOutput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--no-wait") {
            options.wait = false;
            continue;
        }
        const auto* languageFile = languageFileOption(option);
        if (option != "--ding" && option != "--tsv" && option != "--out" && option != "--max" &&
            !languageFile)
            throw UsageError("compile does not take " + messages::quotedInput(option));
        if (++i == args.size())
            throw UsageError(option + " needs a value");
        const std::string& value = args[i];
        if (option == "--out") {
            options.outputDirectory = value;
            haveOutput = true;
        } else if (option == "--max") {
            options.maxRecords = parseMax(value);
        } else if (languageFile) {
            parseLanguageFile(*languageFile, value, options);
        } else {
            if (format)
                throw UsageError("compile takes one source, --ding or --tsv");
            format = option == "--ding" ? vocab::SourceFormat::Ding : vocab::SourceFormat::Tsv;
            options.source = value;
        }
    }
    if (!format)
        throw UsageError("compile needs a source, --ding FILE or --tsv FILE");
    if (!haveOutput)
        throw UsageError("compile needs --out DIR");
    options.format = *format;
    return options;
}

} // namespace

int compileCommand(Arguments args, std::ostream& out, std::ostream& err)
{
    auto options = parseCompileArguments(args);
    options.onWait = [&err, &options] {
        err << "woerterbuch-dict: waiting for another compile into "
            << messages::quotedPath(options.outputDirectory) << " to finish\n";
        err.flush();
    };
    // A termination request ends the compile through the error path below, and the
    // process by that signal only once the message is out.
    const TerminationHold hold;
    // The compile builds and drops vectors of tens of megabytes. With a fixed mmap
    // threshold they come straight from the kernel and go straight back to it, instead
    // of leaving holes in the heap that the process keeps (a third of its peak on
    // Debian's list).
    ::mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    try {
        vocab::printSummary(out, vocab::compileVocabulary(options));
    } catch (const std::exception& error) {
        err << "woerterbuch-dict: " << error.what() << '\n';
        return kExitCompileFailed;
    }
    return kExitOk;
}

} // namespace wb::cli
