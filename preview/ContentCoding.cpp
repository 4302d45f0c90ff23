#include "preview/ContentCoding.h"

#include "output_names/OutputFileNames.h"
#include "preview/HeaderText.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace preview {

namespace {

bool sameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A weight as HTTP writes it: "0" or "1", optionally with up to three
// decimals; nothing for anything else.
std::optional<int> weightInThousandths(std::string_view text) {
    if (text.empty() || (text[0] != '0' && text[0] != '1'))
        return std::nullopt;
    int whole = text[0] - '0';
    if (text.size() == 1)
        return whole * 1000;
    if (text[1] != '.' || text.size() > 5)
        return std::nullopt;
    int thousandths = 0, scale = 100;
    for (char digit : text.substr(2)) {
        if (!std::isdigit(static_cast<unsigned char>(digit)))
            return std::nullopt;
        thousandths += (digit - '0') * scale;
        scale /= 10;
    }
    if (whole == 1 && thousandths != 0)
        return std::nullopt;
    return whole * 1000 + thousandths;
}

// The weight the header gives `name` (through its aliases or "*"); -1
// when it names neither.
int weightOf(std::string_view header, std::initializer_list<std::string_view> names) {
    int named = -1, anyOther = -1;
    for (std::string_view entry : headerListEntries(header)) {
        size_t semicolon = entry.find(';');
        std::string_view coding = trimmedHeaderText(entry.substr(0, semicolon));
        std::optional<int> weight = 1000;
        if (semicolon != std::string_view::npos) {
            std::string_view parameter = trimmedHeaderText(entry.substr(semicolon + 1));
            weight = parameter.size() > 2 && sameNoCase(parameter.substr(0, 2), "q=")
                         ? weightInThousandths(parameter.substr(2))
                         : std::nullopt;
        }
        if (!weight)
            continue;
        if (coding == "*")
            anyOther = std::max(anyOther, *weight);
        else if (std::any_of(names.begin(), names.end(), [&](std::string_view name) { return sameNoCase(coding, name); }))
            named = std::max(named, *weight);
    }
    return named >= 0 ? named : anyOther;
}

} // namespace

ContentCoding chooseContentCoding(std::string_view acceptEncoding, StoredCodings stored) {
    int brotli = stored.brotli ? weightOf(acceptEncoding, {"br"}) : -1;
    int gzip = stored.gzip ? weightOf(acceptEncoding, {"gzip", "x-gzip"}) : -1;
    if (brotli > 0 && brotli >= gzip)
        return ContentCoding::Brotli;
    if (gzip > 0)
        return ContentCoding::Gzip;
    return ContentCoding::Identity;
}

const char* codingName(ContentCoding coding) {
    switch (coding) {
    case ContentCoding::Brotli:
        return "br";
    case ContentCoding::Gzip:
        return "gzip";
    case ContentCoding::Identity:
        break;
    }
    return "";
}

const char* codingSuffix(ContentCoding coding) {
    switch (coding) {
    case ContentCoding::Brotli:
        return publish::BrotliSuffix;
    case ContentCoding::Gzip:
        return publish::GzipSuffix;
    case ContentCoding::Identity:
        break;
    }
    return "";
}

} // namespace preview
