#ifndef UPLOAD_UPLOADPLAN_H
#define UPLOAD_UPLOADPLAN_H

#include "upload/RemoteEntry.h"
#include "upload/UploadManifest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace upload {

// Names in the remote folder that only an upload in progress uses, so that
// a visitor never loads a half-sent file and the next upload can tell its
// own leftovers from the user's files: dot-files, hidden from listings.
inline constexpr const char* IncomingPrefix = ".tunemill-incoming-";
inline constexpr const char* OutgoingPrefix = ".tunemill-outgoing-";

// `path` with its last component prefixed, in the same folder.
std::string temporaryPath(const std::string& path, const char* prefix);
bool isTemporaryPath(const std::string& path);
// The temporary path `file` goes up under. It carries the start of the
// file's hash, so that a complete copy left by a stopped upload is known
// by its size and need not be sent again.
std::string incomingPath(const ManifestEntry& file);

// A file to send: the local path below the output folder, which is also
// its final remote path, and the temporary remote path it goes up under.
struct PlannedSend {
    std::string path;
    std::string incoming;
    std::uint64_t size = 0;
};

// When a switch-over's renames happen. Earlier groups hold what later ones
// refer to, so a visitor at any moment gets a playlist whose movies exist.
enum class SwitchGroup {
    MoviesAndRuntime, // track movies, the runtime, the user's own files
    PlayerMovie,      // Player.swf
    PlaylistAndPages, // music_list.xml, the pages, .htaccess
};

struct PlannedRename {
    std::string incoming;
    std::string path;
    SwitchGroup group = SwitchGroup::MoviesAndRuntime;
};

// What an upload does, in order: remove leftovers of an earlier stopped
// upload, make folders, send, rename in group order, delete, then write the
// manifest.
struct UploadPlan {
    std::vector<std::string> leftovers;
    std::vector<std::string> folders; // parents before children
    std::vector<PlannedSend> sends;
    std::vector<PlannedRename> renames; // in switch-over order
    std::vector<std::string> deletions;
    // A remote .htaccess that no manifest lists is the user's: never
    // replaced. True when the local folder has one that stays behind for
    // that reason; the manifest then does not list it.
    bool keepsForeignHtaccess = false;
    Manifest manifest; // what the remote folder holds afterwards, for the manifest file
    // Whether `manifest` differs from the previous one, or there was none.
    bool manifestChanges = true;
    std::uint64_t bytesToSend = 0;

    bool changesNothing() const;
};

// The plan that brings the remote folder, which holds `remote` and the
// manifest `previous` (none on a first upload or a folder filled by hand),
// to what `local` lists. A file is sent when it is new, when its hash
// differs from the previous manifest's, or when the remote size disagrees;
// only files the previous manifest lists and `local` does not are deleted.
UploadPlan planUpload(const Manifest& local, const std::vector<RemoteEntry>& remote,
                      const std::optional<Manifest>& previous);

} // namespace upload

#endif
