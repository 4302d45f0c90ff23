#include "preview/ByteRange.h"

#include "preview/HeaderText.h"

#include <charconv>
#include <optional>

namespace preview {

namespace {

// A number made of digits only, that fits.
std::optional<uint64_t> number(std::string_view text) {
    uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

ByteRange whole(uint64_t size) { return {ByteRange::Kind::Whole, 0, size}; }

} // namespace

ByteRange chooseByteRange(std::string_view header, uint64_t size) {
    header = trimmedHeaderText(header);
    const std::string_view unit = "bytes=";
    if (header.substr(0, unit.size()) != unit)
        return whole(size);
    std::string_view spec = trimmedHeaderText(header.substr(unit.size()));
    size_t dash = spec.find('-');
    if (spec.find(',') != std::string_view::npos || dash == std::string_view::npos)
        return whole(size);
    std::string_view firstText = trimmedHeaderText(spec.substr(0, dash));
    std::string_view lastText = trimmedHeaderText(spec.substr(dash + 1));
    if (firstText.empty()) {
        std::optional<uint64_t> suffix = number(lastText);
        if (!suffix)
            return whole(size);
        if (*suffix == 0 || size == 0)
            return {ByteRange::Kind::Unsatisfiable, 0, 0};
        uint64_t length = std::min(*suffix, size);
        return {ByteRange::Kind::Part, size - length, length};
    }
    std::optional<uint64_t> first = number(firstText);
    std::optional<uint64_t> last = lastText.empty() ? std::optional<uint64_t>(UINT64_MAX) : number(lastText);
    if (!first || !last || *last < *first)
        return whole(size);
    if (*first >= size)
        return {ByteRange::Kind::Unsatisfiable, 0, 0};
    uint64_t end = std::min(*last, size - 1);
    return {ByteRange::Kind::Part, *first, end - *first + 1};
}

} // namespace preview
