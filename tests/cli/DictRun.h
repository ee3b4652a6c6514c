#pragma once
// The built woerterbuch-dict, run with arguments, for the command's tests.
#include "tests/support/Process.h"

#include <filesystem>
#include <string>
#include <vector>

namespace wb::test {

inline ProcessResult dict(const std::vector<std::string>& args,
                          const std::filesystem::path& cwd = {})
{
    return runProcess(WB_DICT_COMMAND, args, cwd);
}

} // namespace wb::test
