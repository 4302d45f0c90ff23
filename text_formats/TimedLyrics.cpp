#include "text_formats/TimedLyrics.h"

#include "text_formats/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace publish {

namespace {

// More digits than these cannot be a time anyone means, and would overflow.
constexpr size_t MostMinuteDigits = 6;
constexpr size_t MostOffsetDigits = 9;

std::optional<int64_t> digitsValue(std::string_view text, size_t most) {
    if (text.empty() || text.size() > most)
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "mm:ss", "mm:ss.xx" or "mm:ss.xxx" (a colon before the fraction too).
std::optional<int64_t> stampMilliseconds(std::string_view stamp) {
    size_t colon = stamp.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = stamp.substr(colon + 1);
    size_t point = rest.find_first_of(".:");
    std::optional<int64_t> minutes = digitsValue(stamp.substr(0, colon), MostMinuteDigits);
    std::optional<int64_t> seconds = digitsValue(rest.substr(0, point), 2);
    if (!minutes || !seconds || *seconds >= 60)
        return std::nullopt;
    int64_t fraction = 0;
    if (point != std::string_view::npos) {
        std::string_view digits = rest.substr(point + 1);
        std::optional<int64_t> value = digitsValue(digits, 3);
        if (!value)
            return std::nullopt;
        fraction = *value * (digits.size() == 1 ? 100 : digits.size() == 2 ? 10 : 1);
    }
    return (*minutes * 60 + *seconds) * 1000 + fraction;
}

std::optional<int64_t> offsetMilliseconds(std::string_view tag) {
    constexpr std::string_view Name = "offset:";
    if (tag.size() < Name.size() || !std::equal(Name.begin(), Name.end(), tag.begin(), [](char a, char b) {
            return a == std::tolower(static_cast<unsigned char>(b));
        }))
        return std::nullopt;
    std::string_view value = tag.substr(Name.size());
    while (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    bool negative = !value.empty() && value.front() == '-';
    if (!value.empty() && (value.front() == '-' || value.front() == '+'))
        value.remove_prefix(1);
    std::optional<int64_t> amount = digitsValue(value, MostOffsetDigits);
    if (!amount)
        return std::nullopt;
    return negative ? -*amount : *amount;
}

// Karaoke files time each word as <mm:ss.xx>; the players show whole lines.
std::string withoutWordStamps(std::string_view text) {
    std::string result;
    size_t at = 0;
    while (at < text.size()) {
        size_t open = text.find('<', at);
        size_t close = open == std::string_view::npos ? open : text.find('>', open);
        if (close == std::string_view::npos) {
            result += text.substr(at);
            break;
        }
        result += text.substr(at, open - at);
        std::string_view inner = text.substr(open + 1, close - open - 1);
        if (!stampMilliseconds(inner))
            result += text.substr(open, close - open + 1);
        at = close + 1;
    }
    return std::string(trimmed(result));
}

struct ParsedLine {
    std::vector<int64_t> stamps;
    std::optional<int64_t> offset;
    std::string text;
};

// The tags at the start of a line and the text after them. A line whose
// tags are neither time stamps nor "name:value" metadata is malformed and
// yields nothing.
ParsedLine parseLine(std::string_view line) {
    ParsedLine parsed;
    size_t at = 0;
    while (at < line.size() && line[at] == '[') {
        size_t close = line.find(']', at);
        if (close == std::string_view::npos)
            return {};
        std::string_view tag = line.substr(at + 1, close - at - 1);
        if (std::optional<int64_t> stamp = stampMilliseconds(tag))
            parsed.stamps.push_back(*stamp);
        else if (std::optional<int64_t> offset = offsetMilliseconds(tag))
            parsed.offset = offset;
        else if (tag.find(':') == std::string_view::npos || !parsed.stamps.empty())
            return {};
        at = close + 1;
        while (at < line.size() && line[at] == ' ')
            ++at;
    }
    parsed.text = withoutWordStamps(line.substr(at));
    return parsed;
}

} // namespace

std::vector<LyricLine> parseLrc(std::string_view bytes) {
    std::string text = textAsUtf8(bytes);
    std::vector<LyricLine> stamped;
    int64_t offset = 0;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        ParsedLine line = parseLine(std::string_view(text).substr(begin, end - begin));
        if (line.offset)
            offset = *line.offset;
        for (int64_t stamp : line.stamps)
            stamped.push_back({stamp, line.text});
        begin = end + 1;
    }
    std::stable_sort(stamped.begin(), stamped.end(),
                     [](const LyricLine& a, const LyricLine& b) { return a.milliseconds < b.milliseconds; });
    // A positive offset shows every line earlier.
    for (LyricLine& line : stamped)
        line.milliseconds -= offset;
    return stamped;
}

} // namespace publish
