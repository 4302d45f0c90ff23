#ifndef PUBLISH_OUTPUTDOCUMENTS_H
#define PUBLISH_OUTPUTDOCUMENTS_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace publish {

// Text with &, <, > and " written as character references, for XML and
// HTML attributes and text.
std::string attributeText(const std::string& text);

// The playlist document's entry for track movie `number`.
std::string musicListItem(int number);
// The entry for the movie at `movieFile`, relative to the player.
std::string musicListItem(const std::string& movieFile);
// "<data title=\"...\">items</data>" with the title as XML attribute text.
std::string musicListText(const std::string& title, const std::string& items);

// An unset option is left out of the document.
struct PlayerOptions {
    std::optional<bool> autoStart;
    std::optional<bool> autoNext;
    std::optional<bool> loop;
    std::optional<bool> random;
};
// Puts the player options onto the root of the playlist document.
[[nodiscard]] std::error_code mergePlayerOptions(const std::filesystem::path& musicList, const PlayerOptions& options);

// Copies the chosen player movie into a new file.
[[nodiscard]] std::error_code copyPlayer(const std::filesystem::path& source, const std::filesystem::path& target);

// The resource's bytes; empty when there is no such resource.
std::string_view resourceBytes(const char* type, int id);

// Replaces the file with the resource's bytes unchanged; the reason when
// there is no such resource or the file cannot be written.
[[nodiscard]] std::error_code writeResourceToFile(const char* type, int id, const std::filesystem::path& path);

} // namespace publish

#endif
