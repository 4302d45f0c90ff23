#include "text_formats/TextEncoding.h"

#include <cstdint>

namespace publish {

namespace {

void appendUtf8(std::string& text, uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

constexpr uint32_t ReplacementCharacter = 0xFFFD;

std::string utf16AsUtf8(std::string_view bytes, bool bigEndian) {
    auto unit = [&](size_t at) -> uint32_t {
        auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])); };
        return bigEndian ? (byte(at) << 8) | byte(at + 1) : (byte(at + 1) << 8) | byte(at);
    };
    std::string text;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        uint32_t code = unit(at);
        bool high = code >= 0xD800 && code < 0xDC00;
        if (high && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 && unit(at + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = ReplacementCharacter; // a lone half of a pair
        }
        appendUtf8(text, code);
    }
    return text;
}

std::string latin1AsUtf8(std::string_view bytes) {
    std::string text;
    for (char c : bytes)
        appendUtf8(text, static_cast<unsigned char>(c));
    return text;
}

bool startsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

} // namespace

bool isUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Over-long forms, surrogates and codes past Unicode are no UTF-8.
        static constexpr uint32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < Smallest[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

std::string textAsUtf8(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (startsWith(bytes, "\xFF\xFE"))
        return utf16AsUtf8(bytes.substr(2), false);
    else if (startsWith(bytes, "\xFE\xFF"))
        return utf16AsUtf8(bytes.substr(2), true);
    if (isUtf8(bytes))
        return std::string(bytes);
    return latin1AsUtf8(bytes);
}

std::string_view trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string cutAtCharacter(const std::string& text, size_t bytes) {
    if (text.size() <= bytes)
        return text;
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

} // namespace publish
