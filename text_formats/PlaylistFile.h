#ifndef TEXT_FORMATS_PLAYLISTFILE_H
#define TEXT_FORMATS_PLAYLISTFILE_H

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace publish {

// One entry of a playlist file as written: a path (absolute, or relative to
// the playlist's folder) or a URL, and the title the playlist gives it
// (empty when none).
struct PlaylistFileEntry {
    std::string location;
    std::string title;
};

// M3U and M3U8: one location a line, "#EXTINF:seconds,title" before it;
// other lines starting with "#" are comments.
std::vector<PlaylistFileEntry> parseM3u(std::string_view bytes);
// PLS: "FileN=" and "TitleN=" keys, in the order of N.
std::vector<PlaylistFileEntry> parsePls(std::string_view bytes);
// XSPF: each track's first "location" and its "title". Empty for a document
// that is no XML.
std::vector<PlaylistFileEntry> parseXspf(std::string_view bytes);

// Why an entry names no file on this computer.
enum class LocationProblem { None, WebAddress, OtherComputer };

// Where an entry's file is, or why there is none.
struct ResolvedLocation {
    std::filesystem::path path;
    LocationProblem problem = LocationProblem::None;
};
// Relative paths are taken from `playlistFolder`; "file://" URLs are decoded;
// other URLs are refused.
ResolvedLocation resolveLocation(const std::string& location, const std::filesystem::path& playlistFolder);

// The kinds of playlist file, told by the name's extension (any case).
enum class PlaylistKind { None, M3u, Pls, Xspf };
struct PlaylistExtension {
    const char* extension;
    PlaylistKind kind;
};
inline constexpr PlaylistExtension PlaylistFileExtensions[] = {
    {".m3u", PlaylistKind::M3u}, {".m3u8", PlaylistKind::M3u}, {".pls", PlaylistKind::Pls}, {".xspf", PlaylistKind::Xspf}};
PlaylistKind playlistKind(const std::filesystem::path& path);
std::vector<PlaylistFileEntry> parsePlaylist(PlaylistKind kind, std::string_view bytes);

} // namespace publish

#endif
