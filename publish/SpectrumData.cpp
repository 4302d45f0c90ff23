#include "publish/SpectrumData.h"

#include "player_contract/PlayerContract.h"

#include <cctype>
#include <cstdlib>

namespace publish {

namespace {
using contract::FramesPerExtraLine;
const size_t LongestToken = 127;

bool isSpace(int c) { return c != EOF && std::isspace(c); }
bool isDigit(int c) { return c != EOF && std::isdigit(c); }
} // namespace

SpectrumData::SpectrumData(const std::filesystem::path& path) : file(std::fopen(path.c_str(), "r")) {}

SpectrumData::~SpectrumData() {
    if (file)
        std::fclose(file);
}

void SpectrumData::skipSpace() {
    int c;
    while (isSpace(c = std::fgetc(file))) {
    }
    if (c != EOF)
        std::ungetc(c, file);
}

// "%d" as the C library scans it: white space, an optional sign, digits;
// the first character that does not fit stays unread.
bool SpectrumData::scanInteger(int& value) {
    skipSpace();
    std::string digits;
    int c = std::fgetc(file);
    if (c == '+' || c == '-') {
        digits += static_cast<char>(c);
        c = std::fgetc(file);
    }
    while (isDigit(c)) {
        digits += static_cast<char>(c);
        c = std::fgetc(file);
    }
    if (c != EOF)
        std::ungetc(c, file);
    if (digits.empty() || digits == "+" || digits == "-")
        return false;
    value = static_cast<int>(std::strtol(digits.c_str(), nullptr, 10));
    return true;
}

// One "%d:%s\n": the count of conversions made, or EndOfFile when the data
// ended before the first.
int SpectrumData::scanLine(std::string& token) {
    skipSpace();
    int c = std::fgetc(file);
    if (c == EOF)
        return EndOfFile;
    std::ungetc(c, file);
    int index;
    if (!scanInteger(index))
        return Failed;
    if ((c = std::fgetc(file)) != ':') {
        if (c != EOF)
            std::ungetc(c, file);
        return 1;
    }
    skipSpace();
    std::string word;
    while (word.size() < LongestToken && (c = std::fgetc(file)) != EOF) {
        if (std::isspace(c)) {
            std::ungetc(c, file);
            break;
        }
        word += static_cast<char>(c);
    }
    if (word.empty())
        return 1;
    token = word;
    skipSpace();
    return 2;
}

// "%d;" ten times over the token: the count of values read (written over
// the bars from the first), or EndOfFile for an empty token.
int SpectrumData::scanToken(const std::string& token) {
    const char* at = token.c_str();
    while (std::isspace(static_cast<unsigned char>(*at)))
        ++at;
    if (*at == '\0')
        return EndOfFile;
    int count = 0;
    while (count < contract::SpectrumBars) {
        char* end;
        long value = std::strtol(at, &end, 10);
        if (end == at)
            break;
        bars[count++] = static_cast<int>(value);
        if (*end != ';')
            break;
        at = end + 1;
    }
    return count;
}

bool SpectrumData::readFrame(int frame) {
    if (!file)
        return false;
    std::string token;
    bool readable = scanLine(token) != Failed;
    if (frame % FramesPerExtraLine == 0)
        readable = scanLine(token) != Failed && readable;
    return readable && scanToken(token) != Failed;
}

} // namespace publish
