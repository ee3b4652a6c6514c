#include "system/ExecutablePath.h"

namespace wb {

std::filesystem::path executablePath(const std::filesystem::path& link)
{
    // The kernel's link names the executable file itself, whatever symlink or
    // relative path the program was started through. A deleted executable's link
    // reads "PATH (deleted)", which does not resolve.
    std::error_code error;
    auto path = std::filesystem::canonical(link, error);
    if (error)
        throw ExecutablePathError("cannot find the program's own directory: " + link.string() +
                                  ": " + error.message());
    if (!path.is_absolute() || !path.has_parent_path())
        throw ExecutablePathError("cannot find the program's own directory: " + link.string() +
                                  " names " + path.string());
    return path;
}

std::filesystem::path executableDirectory(const std::filesystem::path& link)
{
    return executablePath(link).parent_path();
}

} // namespace wb
