#include "text_formats/StorableText.h"

#include <optional>
#include <tuple>

namespace publish {

namespace {

// The code point starting at `at` in valid UTF-8 (shortest form, no
// surrogates, at most U+10FFFF), and its length; nothing when invalid.
std::optional<std::pair<char32_t, size_t>> codePointAt(std::string_view bytes, size_t at) {
    unsigned char lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return std::pair<char32_t, size_t>(lead, 1);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > bytes.size())
        return std::nullopt;
    char32_t point = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        unsigned char next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        point = point << 6 | (next & 0x3F);
    }
    const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < shortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    return std::pair<char32_t, size_t>(point, length);
}

// The embedding, override and isolate controls turn the text after them
// around, in the title and in whatever the player shows after it.
bool isDirectionControl(char32_t point) {
    return (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069);
}

bool holdable(char32_t point) {
    if (point == '\t')
        return true;
    return !(point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0xFFFE || point == 0xFFFF ||
             isDirectionControl(point));
}

void appendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else {
        text += static_cast<char>(0xC0 | point >> 6);
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool isUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        auto point = codePointAt(bytes, at);
        if (!point)
            return false;
        at += point->second;
    }
    return true;
}

} // namespace

StorableText storableText(std::string_view bytes) {
    StorableText result;
    result.readAsLatin1 = !isUtf8(bytes);
    for (size_t at = 0; at < bytes.size();) {
        char32_t point = static_cast<unsigned char>(bytes[at]);
        size_t length = 1;
        if (!result.readAsLatin1)
            std::tie(point, length) = *codePointAt(bytes, at);
        if (!holdable(point))
            result.controlsRemoved = true;
        else if (result.readAsLatin1)
            appendUtf8(result.text, point);
        else
            result.text.append(bytes.substr(at, length));
        at += length;
    }
    return result;
}

bool isStorableText(std::string_view bytes) {
    StorableText stored = storableText(bytes);
    return !stored.readAsLatin1 && !stored.controlsRemoved;
}

} // namespace publish
