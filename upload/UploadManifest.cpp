#include "upload/UploadManifest.h"

#include <charconv>

namespace upload {

namespace {

constexpr std::string_view FirstLine = "tunemill-manifest 1";

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

// Relative, "/" between non-empty components, none of them "." or "..".
bool isPlainPath(std::string_view path) {
    if (path.empty())
        return false;
    for (char c : path)
        if (isControl(c))
            return false;
    std::size_t start = 0;
    for (;;) {
        std::size_t slash = path.find('/', start);
        std::string_view part = path.substr(start, slash == std::string_view::npos ? slash : slash - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        if (slash == std::string_view::npos)
            return true;
        start = slash + 1;
    }
}

// Decimal digits without a sign or a leading zero, as manifestText writes
// them, that fit.
std::optional<std::uint64_t> sizeFrom(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    std::uint64_t size = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return size;
}

std::optional<ManifestEntry> entryFrom(std::string_view line) {
    std::size_t firstTab = line.find('\t');
    if (firstTab == std::string_view::npos)
        return std::nullopt;
    std::size_t secondTab = line.find('\t', firstTab + 1);
    if (secondTab == std::string_view::npos)
        return std::nullopt;
    std::string_view path = line.substr(0, firstTab);
    std::optional<std::uint64_t> size = sizeFrom(line.substr(firstTab + 1, secondTab - firstTab - 1));
    std::optional<publish::ContentHash> hash = publish::contentHashFromHex(line.substr(secondTab + 1));
    if (!isPlainPath(path) || !size || !hash)
        return std::nullopt;
    return ManifestEntry{std::string(path), *size, *hash};
}

} // namespace

std::string manifestText(const Manifest& manifest) {
    std::string text(FirstLine);
    text += '\n';
    for (const ManifestEntry& entry : manifest)
        text += entry.path + '\t' + std::to_string(entry.size) + '\t' + entry.hash.hex() + '\n';
    return text;
}

std::optional<Manifest> parseManifest(std::string_view text) {
    if (!text.starts_with(FirstLine) || text.substr(FirstLine.size(), 1) != "\n")
        return std::nullopt;
    Manifest manifest;
    std::size_t start = FirstLine.size() + 1;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            return std::nullopt;
        std::optional<ManifestEntry> entry = entryFrom(text.substr(start, end - start));
        // Strictly ascending: sorted, and no path twice.
        if (!entry || (!manifest.empty() && !(manifest.back().path < entry->path)))
            return std::nullopt;
        manifest.push_back(std::move(*entry));
        start = end + 1;
    }
    return manifest;
}

} // namespace upload
