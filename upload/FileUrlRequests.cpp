#include "upload/FileUrlRequests.h"

#include "upload/CurlHandle.h"
#include "upload/LongListing.h"

namespace upload {

UploadFailure listTree(const RunRequest& run, const RemoteAddress& address, const std::string& folder,
                       std::vector<RemoteEntry>& entries) {
    std::string prefix = folder.empty() ? folder : folder + "/";
    std::string text;
    UploadFailure failure = run(address.urlWithUser(prefix), folder, [&text](CURL* handle) {
        text.clear();
        receiveInto(handle, text);
    });
    if (failure)
        return failure;
    for (RemoteEntry& entry : parseLongListing(text, prefix)) {
        entries.push_back(entry);
        if (entry.folder)
            if (UploadFailure inner = listTree(run, address, entry.path, entries))
                return inner;
    }
    return {};
}

UploadFailure readFile(const RunRequest& run, const RemoteAddress& address, const std::string& path,
                       std::string& bytes) {
    return run(address.urlWithUser(path), path, [&bytes](CURL* handle) {
        bytes.clear();
        receiveInto(handle, bytes);
    });
}

UploadFailure writeFile(const RunRequest& run, const RemoteAddress& address, const std::string& path,
                        std::string_view bytes) {
    std::string_view rest;
    return run(address.urlWithUser(path), path, [&rest, bytes](CURL* handle) {
        rest = bytes;
        uploadFrom(handle, rest);
    });
}

} // namespace upload
