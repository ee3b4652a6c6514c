#include "tests/assets/GifStructure.h"

namespace wb::test {

namespace {

// Reads forward through the bytes; any read past the end makes the whole parse fail.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes)
        : m_bytes(bytes)
    {
    }
    bool ok() const { return m_ok; }
    int byte()
    {
        if (m_at >= m_bytes.size()) {
            m_ok = false;
            return 0;
        }
        return std::uint8_t(m_bytes[m_at++]);
    }
    int word() { return byte() | byte() << 8; }
    void skip(int count)
    {
        m_at += count;
        m_ok = m_ok && m_at <= m_bytes.size();
    }
    QByteArray take(int count)
    {
        const QByteArray part = m_bytes.mid(m_at, count);
        skip(count);
        return part;
    }
    // Data sub-blocks: a length byte, that many bytes, until a zero length.
    void skipSubBlocks()
    {
        for (int length = byte(); m_ok && length != 0; length = byte())
            skip(length);
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

int tableSize(int packed)
{
    return packed & 0x80 ? 2 << (packed & 0x07) : 0;
}

void readImage(Cursor& in, GifStructure& gif)
{
    in.skip(8); // left, top, width, height
    in.skip(3 * tableSize(in.byte()));
    in.byte(); // LZW minimum code size
    in.skipSubBlocks();
    ++gif.imageCount;
}

void readExtension(Cursor& in, GifStructure& gif)
{
    const int label = in.byte();
    if (label == 0xf9) { // Graphic Control Extension: size 4, packed, delay, index
        const int size = in.byte();
        const int packed = in.byte();
        in.skip(size - 1);
        gif.hasTransparentColour = gif.hasTransparentColour || (packed & 0x01);
    }
    in.skipSubBlocks();
}

} // namespace

std::optional<GifStructure> readGifStructure(const QByteArray& bytes)
{
    Cursor in(bytes);
    if (in.take(3) != "GIF")
        return std::nullopt;
    GifStructure gif;
    gif.version = in.take(3);
    gif.screen.setWidth(in.word());
    gif.screen.setHeight(in.word());
    gif.globalTableSize = tableSize(in.byte());
    in.skip(2 + 3 * gif.globalTableSize); // background index, aspect, table
    while (in.ok()) {
        const int introducer = in.byte();
        if (introducer == 0x3b)
            return in.ok() ? std::optional(gif) : std::nullopt;
        if (introducer == 0x2c)
            readImage(in, gif);
        else if (introducer == 0x21)
            readExtension(in, gif);
        else
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace wb::test
