#include "preview/CacheValidators.h"

#include "preview/HeaderText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace preview {

namespace {

// Shorter runs of hex digits are ordinary words ("cafe", "face").
const size_t ShortestHash = 16;

bool isHash(std::string_view text) {
    return text.size() >= ShortestHash &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

} // namespace

bool carriesContentHash(const std::filesystem::path& file) {
    std::string stem = file.stem().string();
    size_t dot = stem.rfind('.');
    return isHash(dot == std::string::npos ? std::string_view(stem) : std::string_view(stem).substr(dot + 1));
}

std::string httpDate(std::time_t time) {
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[40];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &parts);
    return text;
}

std::optional<std::time_t> parseHttpDate(std::string_view text) {
    std::string copy(text);
    std::tm parts{};
    const char* end = strptime(copy.c_str(), "%a, %d %b %Y %H:%M:%S GMT", &parts);
    if (!end || *end != '\0')
        return std::nullopt;
    return timegm(&parts);
}

std::string entityTag(unsigned long long size, long long modifiedNanoseconds, std::string_view codingName) {
    char text[64];
    std::snprintf(text, sizeof text, "\"%llx-%llx%s%.*s\"", size, static_cast<unsigned long long>(modifiedNanoseconds),
                  codingName.empty() ? "" : "-", static_cast<int>(codingName.size()), codingName.data());
    return text;
}

bool browserCopyIsCurrent(std::string_view ifNoneMatch, std::string_view ifModifiedSince, std::string_view tag,
                          std::time_t modified) {
    if (!ifNoneMatch.empty()) {
        // Weak comparison, as for a GET: "W/" makes no difference.
        for (std::string_view candidate : headerListEntries(ifNoneMatch)) {
            if (candidate.starts_with("W/"))
                candidate.remove_prefix(2);
            if (candidate == "*" || candidate == tag)
                return true;
        }
        return false;
    }
    std::optional<std::time_t> since = parseHttpDate(ifModifiedSince);
    return since && modified <= *since;
}

} // namespace preview
