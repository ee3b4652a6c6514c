#include "system/ExecutablePath.h"

namespace wb {

std::filesystem::path executablePath()
{
    // The kernel's link names the executable file itself, whatever symlink or
    // relative path the program was started through.
    std::error_code error;
    auto path = std::filesystem::canonical("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

std::filesystem::path executableDirectory()
{
    return executablePath().parent_path();
}

} // namespace wb
