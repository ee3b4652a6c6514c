#pragma once
// The compile verb: builds engdeu.dat and deueng.dat from a word list.
#include "cli/Commands.h"

namespace wb::cli {

constexpr int kExitCompileFailed = 1; // the source could not be read or the output written

// compile (--ding FILE | --tsv FILE) --out DIR [--max N] [--frequencies L=FILE]... [--no-wait]
int compileCommand(Arguments args, std::ostream& out, std::ostream& err);

} // namespace wb::cli
