#include "upload/LocalFolder.h"

#include "upload/UploadPlan.h"

#include <algorithm>

namespace upload {

namespace fs = std::filesystem;

namespace {

bool holdsControlCharacter(const std::string& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// A name the upload gives files of its own in the remote folder: a file
// of the user's by such a name would be taken for one of them.
bool isUploadName(const std::string& name, bool topLevel) {
    return (topLevel && name == ManifestFileName) || name.starts_with(IncomingPrefix) ||
           name.starts_with(OutgoingPrefix);
}

class FolderWalk {
public:
    FolderWalk(LocalFolder& described, fs::path& failed) : described(described), failed(failed) {}

    std::error_code addFolder(const fs::path& folder, const std::string& prefix) {
        std::error_code error;
        fs::directory_iterator entries(folder, error);
        for (; !error && entries != fs::directory_iterator(); entries.increment(error))
            if ((error = addEntry(*entries, prefix)))
                return error;
        if (error)
            failed = folder;
        return error;
    }

private:
    std::error_code addEntry(const fs::directory_entry& entry, const std::string& prefix) {
        std::string name = entry.path().filename().string();
        std::string path = prefix + name;
        std::error_code error;
        fs::file_type type = entry.symlink_status(error).type();
        if (error) {
            failed = entry.path();
            return error;
        }
        if (holdsControlCharacter(name) || isUploadName(name, prefix.empty()))
            described.notSent.push_back(path);
        else if (type == fs::file_type::directory)
            return addFolder(entry.path(), path + "/");
        else if (type == fs::file_type::regular)
            return addFile(entry, path);
        else
            described.notSent.push_back(path);
        return {};
    }

    std::error_code addFile(const fs::directory_entry& entry, const std::string& path) {
        ManifestEntry file{path, 0, {}};
        std::error_code error;
        file.size = entry.file_size(error);
        if (!error)
            error = publish::hashFile(entry.path(), file.hash);
        if (error)
            failed = entry.path();
        else
            described.files.push_back(std::move(file));
        return error;
    }

    LocalFolder& described;
    fs::path& failed;
};

} // namespace

std::error_code describeLocalFolder(const fs::path& folder, LocalFolder& described, fs::path& failed) {
    LocalFolder walked;
    if (std::error_code error = FolderWalk(walked, failed).addFolder(folder, ""))
        return error;
    std::sort(walked.files.begin(), walked.files.end(),
              [](const ManifestEntry& a, const ManifestEntry& b) { return a.path < b.path; });
    std::sort(walked.notSent.begin(), walked.notSent.end());
    described = std::move(walked);
    return {};
}

} // namespace upload
