#ifndef TEXT_FORMATS_TEXTENCODING_H
#define TEXT_FORMATS_TEXTENCODING_H

#include <string>
#include <string_view>

namespace publish {

// Text files as people save them, as UTF-8 without a byte-order mark:
// UTF-8 with or without its mark, UTF-16 (either order) with its mark, and
// Latin-1 when the bytes are not UTF-8.
std::string textAsUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8.
bool isUtf8(std::string_view bytes);

// The text without the blanks and tabs around it.
std::string_view trimmed(std::string_view text);

// The longest start of `text` of at most `bytes` bytes that ends on a
// character boundary.
std::string cutAtCharacter(const std::string& text, size_t bytes);

} // namespace publish

#endif
