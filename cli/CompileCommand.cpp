#include "cli/CompileCommand.h"

#include "vocabulary/VocabularyCompiler.h"

#include <charconv>
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

// "en=FILE" or "de=FILE"; each language once.
void parseFrequencies(const std::string& value, vocab::CompileOptions& options)
{
    const auto equals = value.find('=');
    const std::string language = value.substr(0, equals);
    if (equals == std::string::npos || equals + 1 == value.size() ||
        (language != "en" && language != "de"))
        throw UsageError("--frequencies takes en=FILE or de=FILE, not '" + value + "'");
    auto& path = language == "en" ? options.englishFrequencies : options.germanFrequencies;
    if (!path.empty())
        throw UsageError("--frequencies " + language + "= is given twice");
    path = value.substr(equals + 1);
}

vocab::CompileOptions parseCompileArguments(Arguments args)
{
    vocab::CompileOptions options;
    std::optional<vocab::SourceFormat> format;
    bool haveOutput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option != "--ding" && option != "--tsv" && option != "--out" && option != "--max" &&
            option != "--frequencies")
            throw UsageError("compile does not take '" + option + "'");
        if (++i == args.size())
            throw UsageError(option + " needs a value");
        const std::string& value = args[i];
        if (option == "--out") {
            options.outputDirectory = value;
            haveOutput = true;
        } else if (option == "--max") {
            options.maxRecords = parseMax(value);
        } else if (option == "--frequencies") {
            parseFrequencies(value, options);
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
    const auto options = parseCompileArguments(args);
    try {
        vocab::printSummary(out, vocab::compileVocabulary(options));
    } catch (const std::exception& error) {
        err << "woerterbuch-dict: " << error.what() << '\n';
        return kExitCompileFailed;
    }
    return kExitOk;
}

} // namespace wb::cli
