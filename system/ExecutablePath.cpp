#include "system/ExecutablePath.h"

#include "messages/QuotedInput.h"

namespace wb {

std::filesystem::path executablePath(const std::filesystem::path& link)
{
    // The kernel's link names the executable file itself, whatever symlink or
    // relative path the program was started through. A deleted executable's link
    // reads "PATH (deleted)", which does not resolve.
    std::error_code error;
    auto path = std::filesystem::canonical(link, error);
    if (error)
        throw ExecutablePathError("cannot find the program's own directory: " +
                                  messages::quotedPath(link) + ": " + error.message());
    if (!path.is_absolute() || !path.has_parent_path())
        throw ExecutablePathError(
            "cannot find the program's own directory: " + messages::quotedPath(link) + " names " +
            messages::quotedPath(path));
    return path;
}

std::filesystem::path executableDirectory(const std::filesystem::path& link)
{
    return executablePath(link).parent_path();
}

} // namespace wb
