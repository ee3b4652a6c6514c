#include "vocabulary/BoundedLines.h"

#include <memory>
#include <string>

namespace wb::vocab {

namespace {

constexpr std::size_t kReadBlockBytes = 64 * 1024;

} // namespace

void forEachLine(std::istream& in, LineLimits limits, const LineHandlers& handlers)
{
    // Not zeroed first: a short file fills a page or two of it, and each read overwrites
    // what it hands on.
    const auto block = std::make_unique_for_overwrite<char[]>(kReadBlockBytes);
    std::string line;
    std::uintmax_t total = 0;
    bool skipping = false; // inside a line already known to be too long
    while (in) {
        in.read(block.get(), std::streamsize(kReadBlockBytes));
        const auto got = std::size_t(in.gcount());
        if (got == 0)
            break;
        total += got;
        if (total > limits.maxTotalBytes)
            throw InputTooLarge("goes on past " + std::to_string(limits.maxTotalBytes >> 20) +
                                " MiB");
        if (handlers.poll)
            handlers.poll();
        std::string_view rest(block.get(), got);
        while (!rest.empty()) {
            const auto newline = rest.find('\n');
            const auto piece = rest.substr(0, newline);
            if (!skipping && line.size() + piece.size() > limits.maxLineBytes) {
                skipping = true;
                line.clear();
                line.shrink_to_fit();
                handlers.tooLong();
            }
            if (!skipping)
                line.append(piece);
            if (newline == std::string_view::npos)
                break;
            rest.remove_prefix(newline + 1);
            if (!skipping)
                handlers.line(line);
            skipping = false;
            line.clear();
        }
    }
    if (!skipping && !line.empty())
        handlers.line(line);
}

} // namespace wb::vocab
