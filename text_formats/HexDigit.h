#ifndef TEXT_FORMATS_HEXDIGIT_H
#define TEXT_FORMATS_HEXDIGIT_H

namespace publish {

// The value of a hexadecimal digit in either case, as percent-encoding
// writes them; -1 for any other character.
constexpr int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace publish

#endif
