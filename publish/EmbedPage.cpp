#include "publish/EmbedPage.h"

#include "file_writing/NewFile.h"
#include "output_names/OutputFileNames.h"
#include "publish/OutputDocuments.h"
#include "player_contract/PlayerContract.h"
#include "publish/PlayerRuntime.h"
#include "transform/transform.h"

#include <algorithm>
#include <cctype>

namespace publish {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char wanted, char given) { return std::tolower(static_cast<unsigned char>(given)) == wanted; });
}

// Space and the control characters, DEL included; a backslash, which
// browsers read as "/" in a web address.
bool isForbiddenInBase(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7f || c == '\\';
}

// A scheme is what stands before the first ":" when no "/", "?" or "#"
// comes earlier.
bool hasScheme(std::string_view base) {
    size_t colon = base.find(':');
    return colon != std::string_view::npos && colon < base.find_first_of("/?#");
}

bool isWebAddress(std::string_view base) {
    for (std::string_view scheme : {"http://", "https://"})
        if (startsWithNoCase(base, scheme))
            return base.size() > scheme.size() && base[scheme.size()] != '/';
    return false;
}

} // namespace

StageSize playerStageSize(const std::filesystem::path& movie) {
    try {
        std::unique_ptr<transform::FSMovie> decoded = transform::decodeMovieFile(movie.c_str());
        const transform::FSBounds& frame = decoded->getFrameSize();
        return StageSize{(frame.maxX - frame.minX) / transform::TwipsPerPixel, (frame.maxY - frame.minY) / transform::TwipsPerPixel};
    } catch (const transform::FSException&) {
        return StageSize{contract::PlayerPageWidth, contract::PlayerPageHeight};
    }
}

std::string embedPageText(StageSize size, const std::string& title, bool withRuntime, const std::string& firstMovie) {
    std::string width = std::to_string(size.width), height = std::to_string(size.height);
    std::string movie = contract::PlayerMovieFileName;
    // The same object and embed as the player page, so that a plug-in or
    // the runtime plays it alike; the id is the one the runtime's script
    // looks for.
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\" />\r\n<title>" + attributeText(title) +
           "</title>\r\n<style>html, body { margin: 0; padding: 0; overflow: hidden; width: " + width +
           "px; height: " + height + "px; background: #ffffff; } object, embed { display: block; }</style>\r\n" +
           (withRuntime ? runtimeScript(firstMovie) : std::string()) +
           "</head>\r\n<body>\r\n"
           "<object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" width=\"" + width + "\" height=\"" +
           height + "\" id=\"RealPlayer\">\r\n"
           "<param name=\"allowScriptAccess\" value=\"sameDomain\" />\r\n"
           "<param name=\"movie\" value=\"" + movie + "\" />\r\n"
           "<param name=\"quality\" value=\"high\" />\r\n"
           "<param name=\"bgcolor\" value=\"#ffffff\" />\r\n"
           "<embed src=\"" + movie + "\" quality=\"high\" bgcolor=\"#ffffff\" width=\"" + width + "\" height=\"" +
           height + "\" name=\"RealPlayer\" allowScriptAccess=\"sameDomain\" type=\"application/x-shockwave-flash\" />\r\n"
           "</object>\r\n</body>\r\n</html>\r\n";
}

std::error_code writeEmbedPage(const std::filesystem::path& outputFolder, const std::string& title,
                               bool withRuntime, const std::string& firstMovie) {
    StageSize size = playerStageSize(outputFolder / contract::PlayerMovieFileName);
    return writeNewFile(outputFolder / EmbedPageFileName, embedPageText(size, title, withRuntime, firstMovie));
}

bool isEmbedBase(std::string_view base) {
    if (base.empty() || std::any_of(base.begin(), base.end(), isForbiddenInBase))
        return false;
    if (hasScheme(base))
        return isWebAddress(base);
    return !base.starts_with("//");
}

std::string embedSnippet(const std::string& base, StageSize size, const std::string& title) {
    std::string source = EmbedPageFileName;
    if (isEmbedBase(base))
        source = base + (base.back() == '/' ? "" : "/") + EmbedPageFileName;
    return "<iframe src=\"" + attributeText(source) + "\" width=\"" + std::to_string(size.width) + "\" height=\"" +
           std::to_string(size.height) + "\" title=\"" + attributeText(title) + "\" style=\"border:0\"></iframe>";
}

} // namespace publish
