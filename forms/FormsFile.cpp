#include "forms/FormsFile.h"

#include <algorithm>
#include <stdexcept>

namespace wb {
namespace {

constexpr std::string_view kMagic = "WBF1";
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t hashWord(std::uint64_t hash, std::string_view word)
{
    for (const char c : word)
        hash = (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
    return (hash ^ 0u) * kFnvPrime;
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

std::size_t sharedPrefix(std::string_view a, std::string_view b)
{
    const auto limit = std::min<std::size_t>({a.size(), b.size(), 15});
    std::size_t n = 0;
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

std::string entryError(std::size_t i, std::string_view form, const char* what)
{
    return "forms entry " + std::to_string(i) + " (\"" + std::string(form) + "\"): " + what;
}

// Every read is bounds-checked here, so that a cut file is one path.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }
    bool has(std::size_t n) const { return m_bytes.size() - m_at >= n; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    std::size_t at() const { return m_at; }
    std::uint64_t number(int bytes)
    {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= std::uint64_t(m_bytes[m_at++]) << (8 * i);
        return value;
    }
    std::string_view text(std::size_t n)
    {
        const auto* begin = reinterpret_cast<const char*>(m_bytes.data() + m_at);
        m_at += n;
        return {begin, n};
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

} // namespace

std::uint64_t headwordListHash(const WordList& headwords)
{
    std::uint64_t hash = kFnvOffset;
    for (std::size_t i = 0; i < headwords.size(); ++i)
        hash = hashWord(hash, headwords[i]);
    return hash;
}

std::uint64_t headwordListHash(std::span<const std::string_view> headwords)
{
    std::uint64_t hash = kFnvOffset;
    for (const auto word : headwords)
        hash = hashWord(hash, word);
    return hash;
}

std::vector<std::uint8_t> encodeForms(std::uint64_t listHash, std::span<const FormEntry> entries)
{
    std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
    putLittleEndian(out, listHash, 8);
    putLittleEndian(out, entries.size(), 4);
    std::string_view previous;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FormEntry& entry = entries[i];
        const std::string_view form = entry.form;
        if (form.empty() || form.size() > kMaxFormBytes)
            throw std::invalid_argument(entryError(i, form, "a form is 1 to 255 bytes long"));
        if (i > 0 && !(previous < form))
            throw std::invalid_argument(entryError(i, form, "not after the form before it"));
        if (entry.bases.empty() || entry.bases.size() > kMaxFormBases)
            throw std::invalid_argument(entryError(i, form, "a form has 1 to 255 headwords"));
        if (!std::is_sorted(entry.bases.begin(), entry.bases.end()) ||
            std::adjacent_find(entry.bases.begin(), entry.bases.end()) != entry.bases.end() ||
            entry.bases.back() == kNoTranslation)
            throw std::invalid_argument(entryError(i, form, "headwords not ascending"));
        const std::size_t prefix = sharedPrefix(previous, form);
        const std::size_t suffix = form.size() - prefix;
        if (suffix < 15) {
            out.push_back(std::uint8_t(prefix | suffix << 4));
        } else {
            out.push_back(std::uint8_t(prefix | 15 << 4));
            out.push_back(std::uint8_t(suffix));
        }
        out.insert(out.end(), form.begin() + std::ptrdiff_t(prefix), form.end());
        out.push_back(std::uint8_t(entry.bases.size()));
        for (const std::uint16_t base : entry.bases)
            putLittleEndian(out, base, 2);
        previous = form;
    }
    return out;
}

std::string_view FormsTable::form(std::size_t i) const
{
    const std::uint32_t begin = i == 0 ? 0 : m_formEnds[i - 1];
    return std::string_view(m_forms).substr(begin, m_formEnds[i] - begin);
}

std::span<const std::uint16_t> FormsTable::bases(std::size_t i) const
{
    const std::uint32_t begin = i == 0 ? 0 : m_baseEnds[i - 1];
    return std::span(m_bases).subspan(begin, m_baseEnds[i] - begin);
}

std::span<const std::uint16_t> FormsTable::find(std::string_view text) const
{
    std::size_t low = 0, high = size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (form(middle) < text)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < size() && form(low) == text)
        return bases(low);
    return {};
}

struct FormsDecoder {
    static FormsDecodeResult decode(std::span<const std::uint8_t> bytes)
    {
        FormsDecodeResult result;
        Reader in(bytes);
        const auto fail = [&](std::size_t record, std::size_t offset, std::string what) {
            FormsDecodeResult failed;
            failed.problem = std::move(what);
            failed.record = record;
            failed.offset = offset;
            return failed;
        };
        if (!in.has(kFormsHeaderBytes))
            return fail(0, 0, "shorter than the 16-byte header");
        if (in.text(4) != kMagic)
            return fail(0, 0, "not a forms file (no \"WBF1\" at its start)");
        FormsTable& table = result.table;
        table.m_listHash = in.number(8);
        const std::uint64_t records = in.number(4);
        // Each record takes at least 4 bytes; a count beyond that is a lie to refuse
        // before reserving anything for it.
        if (records > (bytes.size() - kFormsHeaderBytes) / 4)
            return fail(0, 12,
                        "announces " + std::to_string(records) +
                            " records, more than its bytes can hold");
        table.m_formEnds.reserve(records);
        table.m_baseEnds.reserve(records);
        table.m_bases.reserve(records * 2);
        // Each form is built in place at the end of the buffer, its shared prefix
        // copied from the form before it: no string per record.
        std::string& forms = table.m_forms;
        forms.reserve(bytes.size() * 2);
        std::size_t previousBegin = 0;
        for (std::size_t record = 0; record < records; ++record) {
            const std::size_t offset = in.at();
            if (!in.has(1))
                return fail(record, offset, "cut off in the record's header");
            const auto header = std::size_t(in.number(1));
            const std::size_t prefix = header & 15;
            std::size_t suffix = header >> 4;
            if (suffix == 15) {
                if (!in.has(1))
                    return fail(record, offset, "cut off in the extended suffix length");
                suffix = std::size_t(in.number(1));
            }
            const std::size_t begin = forms.size();
            if (prefix > begin - previousBegin)
                return fail(record, offset, "shares more bytes than the previous form has");
            if (!in.has(suffix + 1))
                return fail(record, offset, "cut off in the form");
            forms.resize(begin + prefix);
            std::copy_n(forms.begin() + std::ptrdiff_t(previousBegin), prefix,
                        forms.begin() + std::ptrdiff_t(begin));
            forms.append(in.text(suffix));
            const std::string_view form = std::string_view(forms).substr(begin);
            const std::string_view previous =
                std::string_view(forms).substr(previousBegin, begin - previousBegin);
            if (form.empty())
                return fail(record, offset, "an empty form");
            if (record > 0 && !(previous < form))
                return fail(record, offset, "out of order: not after the form before it");
            const auto count = std::size_t(in.number(1));
            if (count == 0)
                return fail(record, offset, "names no headword");
            if (!in.has(2 * count))
                return fail(record, offset, "cut off in the headword indices");
            int last = -1;
            for (std::size_t k = 0; k < count; ++k) {
                const auto base = int(in.number(2));
                if (base <= last || base == kNoTranslation)
                    return fail(record, offset, "headword indices not ascending");
                table.m_bases.push_back(std::uint16_t(base));
                last = base;
            }
            table.m_largestBase = std::max(table.m_largestBase, last);
            table.m_formEnds.push_back(std::uint32_t(forms.size()));
            table.m_baseEnds.push_back(std::uint32_t(table.m_bases.size()));
            previousBegin = begin;
        }
        forms.shrink_to_fit();
        if (!in.atEnd())
            return fail(records, in.at(), "bytes after the last record");
        result.ok = true;
        return result;
    }
};

FormsDecodeResult decodeForms(std::span<const std::uint8_t> bytes)
{
    return FormsDecoder::decode(bytes);
}

} // namespace wb
