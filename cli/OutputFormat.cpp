#include "cli/OutputFormat.h"

namespace wb::cli {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool isControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

class PlainRows : public RowWriter {
public:
    explicit PlainRows(std::ostream& out)
        : m_out(out)
    {
    }
    void beginLookup() override {}
    // Plain rows look alike; the note on standard error says where they come from.
    void setOrigin(RowOrigin, std::string_view) override {}
    void row(std::string_view headword, const std::vector<std::string>& translations) override
    {
        m_line.clear();
        appendEscaped(m_line, headword, Quoting::Line);
        m_line += '\t';
        const char* separator = "";
        for (const std::string& translation : translations) {
            m_line += separator;
            appendEscaped(m_line, translation, Quoting::Line);
            separator = "; ";
        }
        m_line += '\n';
        m_out << m_line;
    }
    void endLookup() override {}

private:
    std::ostream& m_out;
    std::string m_line;
};

class JsonRows : public RowWriter {
public:
    explicit JsonRows(std::ostream& out)
        : m_out(out)
    {
    }
    void beginLookup() override
    {
        m_out << '[';
        m_first = true;
        m_origin = RowOrigin::Match;
    }
    void setOrigin(RowOrigin origin, std::string_view text) override
    {
        m_origin = origin;
        m_originText = text;
    }
    void row(std::string_view headword, const std::vector<std::string>& translations) override
    {
        m_text.assign(m_first ? "{\"headword\":\"" : ",{\"headword\":\"");
        m_first = false;
        appendEscaped(m_text, headword, Quoting::Json);
        m_text += "\",\"translations\":[";
        const char* separator = "\"";
        for (const std::string& translation : translations) {
            m_text += separator;
            appendEscaped(m_text, translation, Quoting::Json);
            m_text += '"';
            separator = ",\"";
        }
        m_text += ']';
        if (m_origin != RowOrigin::Match) {
            m_text += m_origin == RowOrigin::FormOf ? ",\"form_of\":\"" : ",\"part_of\":\"";
            appendEscaped(m_text, m_originText, Quoting::Json);
            m_text += '"';
        }
        m_text += '}';
        m_out << m_text;
    }
    void endLookup() override { m_out << "]\n"; }

private:
    std::ostream& m_out;
    std::string m_text;
    bool m_first = true;
    RowOrigin m_origin = RowOrigin::Match;
    std::string m_originText;
};

} // namespace

void appendEscaped(std::string& out, std::string_view text, Quoting quoting)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const auto c = static_cast<unsigned char>(ch);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
            // U+0080-U+009F, the C1 controls, which the bytes Windows-1252 leaves
            // undefined convert to: written by their number, like the C0 ones.
            out += quoting == Quoting::Json ? "\\u00" : "\\x";
            out += kHexDigits[next >> 4];
            out += kHexDigits[next & 0xF];
            ++i;
        } else if (ch == '\\') {
            out += "\\\\";
        } else if (ch == '"' && quoting == Quoting::Json) {
            out += "\\\"";
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (!isControl(c)) {
            out += ch;
        } else {
            out += quoting == Quoting::Json ? "\\u00" : "\\x";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        }
    }
}

std::string escaped(std::string_view text, Quoting quoting)
{
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text, quoting);
    return out;
}

std::unique_ptr<RowWriter> makeRowWriter(OutputFormat format, std::ostream& out)
{
    if (format == OutputFormat::Json)
        return std::make_unique<JsonRows>(out);
    return std::make_unique<PlainRows>(out);
}

} // namespace wb::cli
