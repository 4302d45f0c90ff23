#include "upload/PercentEncoding.h"

#include "text_formats/HexDigit.h"

namespace upload {

std::optional<std::string> percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            int high = publish::hexDigitValue(text[i + 1]), low = publish::hexDigitValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return std::nullopt;
        decoded += c;
    }
    return decoded;
}

std::string percentEncoded(std::string_view text) {
    static const char* const Digits = "0123456789ABCDEF";
    std::string encoded;
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                     std::string_view("-._~/").find(c) != std::string_view::npos;
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += Digits[byte >> 4];
            encoded += Digits[byte & 15];
        }
    }
    return encoded;
}

} // namespace upload
