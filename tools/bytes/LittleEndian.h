#pragma once
// Appending little-endian fields to a file being built in memory, as the Windows
// bitmaps that the artwork and glyph generators write need them.
#include <string>

namespace wb::tools {

inline void put16(std::string& out, unsigned value)
{
    out += char(value & 0xff);
    out += char(value >> 8 & 0xff);
}

inline void put32(std::string& out, unsigned value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

} // namespace wb::tools
