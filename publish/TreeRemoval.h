#ifndef PUBLISH_TREEREMOVAL_H
#define PUBLISH_TREEREMOVAL_H

#include <filesystem>
#include <system_error>

namespace publish {

// What a removal had to leave, and why; an empty path when it left nothing.
struct Unremoved {
    std::filesystem::path path;
    std::error_code why;
    explicit operator bool() const { return !path.empty(); }
};

// Removes a folder and everything in it, never crossing into another file
// system mounted in it and never following a link. A folder that denies
// its owner writing is made writable first; files keep their permissions,
// as they may be hard-linked into another folder. What cannot be removed is
// left, the rest removed, and the first thing left returned.
[[nodiscard]] Unremoved removeFolderTree(const std::filesystem::path& folder);

} // namespace publish

#endif
