// woerterbuch-dict: the dictionary's lookups from a terminal, and tools to inspect and
// check its data files.
#include "cli/Commands.h"
#include "cli/CompileCommand.h"
#include "cli/OutputBuffer.h"
#include "dictionary/RecordDecoder.h"
#include "messages/QuotedInput.h"
#include "system/ExecutablePath.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace wb::cli;

struct Verb {
    const char* name;
    const char* usage;
    int (*run)(Arguments, std::ostream&, std::ostream&);
};

const Verb kVerbs[] = {
    {"lookup", "lookup [--data DIR] [OPTIONS] en|de (TEXT... | - | --stdin)", lookupCommand},
    {"dump", "dump [--data DIR] en|de", dumpCommand},
    {"check", "check [--data DIR]", checkCommand},
    {"compile",
     "compile (--ding FILE | --tsv FILE) --out DIR [--max N] [--frequencies en=FILE] "
     "[--frequencies de=FILE] [--forms en|de=FILE] [--breadth en|de=FILE] "
     "[--judged en|de=FILE] [--no-wait]",
     compileCommand},
};

void printUsage(std::ostream& out)
{
    const char* lead = "usage: ";
    for (const Verb& verb : kVerbs) {
        out << lead << "woerterbuch-dict " << verb.usage << '\n';
        lead = "       ";
    }
    out << lead << "woerterbuch-dict --help\n"
        << "\nDIR is where " << wb::fileName(wb::DictionaryFile::English) << " and "
        << wb::fileName(wb::DictionaryFile::German) << " lie; by default the directory of this\n"
        << "program. en searches English headwords, de German ones. Output is UTF-8.\n"
        << "\nlookup's OPTIONS: --exact (whole headwords only), --fold (any case, ae for ä,\n"
        << "ss for ß), --json, --status (exit 1 when nothing matched), --quiet (no hint).\n"
        << "- or --stdin reads one text a line from standard input.\n";
}

// Ends the output. A write that failed is reported with the system's reason, except
// on a closed pipe: its reader (`head`, say) has seen enough, so the command ends
// quietly, as it does when SIGPIPE ends it.
int finishOutput(OutputBuffer& output, int status)
{
    const int error = output.finish();
    if (error == 0)
        return status;
    if (error != EPIPE)
        std::cerr << "woerterbuch-dict: cannot write to standard output: " << std::strerror(error)
                  << '\n';
    return kExitOutputFailed;
}

int run(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.empty()) {
        printUsage(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(out);
        return kExitOk;
    }
    for (const Verb& verb : kVerbs) {
        if (args[0] != verb.name)
            continue;
        try {
            return verb.run(Arguments(args).subspan(1), out, std::cerr);
        } catch (const UsageError& error) {
            std::cerr << "woerterbuch-dict: " << error.what() << "\n\n";
            printUsage(std::cerr);
            return kExitUsage;
        } catch (const wb::ExecutablePathError& error) {
            std::cerr << "woerterbuch-dict: " << error.what() << '\n';
            return kExitNoData;
        }
    }
    std::cerr << "woerterbuch-dict: unknown command " << wb::messages::quotedInput(args[0])
              << "\n\n";
    printUsage(std::cerr);
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    OutputBuffer output(STDOUT_FILENO);
    std::ostream out(&output);
    const int status = run(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), out);
    return finishOutput(output, status);
}
