#include "search/CallLimits.h"

#include <charconv>

namespace wb {
namespace {

constexpr std::string_view kEnglishPrefix = "en:";
constexpr std::string_view kGermanPrefix = "de:";

std::optional<std::string> tooMany(std::size_t count, std::size_t limit, const char* what)
{
    if (count <= limit)
        return std::nullopt;
    return "A call asks for " + std::to_string(count) + " " + what + "; at most " +
           std::to_string(limit) + " are answered";
}

} // namespace

std::optional<ResultId> parseResultId(std::string_view id, std::size_t englishCount,
                                      std::size_t germanCount)
{
    ResultId result{Direction::EnglishToGerman, 0};
    if (id.starts_with(kGermanPrefix))
        result.direction = Direction::GermanToEnglish;
    else if (!id.starts_with(kEnglishPrefix))
        return std::nullopt;
    const std::string_view digits = id.substr(kEnglishPrefix.size());
    if (digits.empty() || digits.size() > 5 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), result.index);
    const std::size_t count =
        result.direction == Direction::EnglishToGerman ? englishCount : germanCount;
    if (error != std::errc() || end != digits.data() + digits.size() || result.index >= count)
        return std::nullopt;
    return result;
}

std::string formatResultId(ResultId id)
{
    return std::string(id.direction == Direction::EnglishToGerman ? kEnglishPrefix
                                                                  : kGermanPrefix) +
           std::to_string(id.index);
}

std::optional<std::string> tooManyIds(std::size_t count)
{
    return tooMany(count, kMaxCallIds, "ids");
}

std::optional<std::string> tooManyTerms(std::size_t count)
{
    return tooMany(count, kMaxCallTerms, "terms");
}

std::string_view cutToSearchField(std::string_view utf8)
{
    std::size_t units = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        // A four-byte sequence is a surrogate pair; anything else one unit. Bytes that
        // are not UTF-8 are one unit each, as the conversion's replacement is.
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        std::size_t continuation = 1;
        while (continuation < length && at + continuation < utf8.size() &&
               (static_cast<unsigned char>(utf8[at + continuation]) & 0xC0) == 0x80)
            ++continuation;
        length = continuation;
        const std::size_t needs = length == 4 ? 2 : 1;
        if (units + needs > kSearchFieldUnits)
            break;
        units += needs;
        at += length;
    }
    return utf8.substr(0, at);
}

} // namespace wb
