#include "upload/SshHostKey.h"

#include "file_writing/NewFile.h"
#include "system_calls/FileDescriptor.h"
#include "system_calls/SystemError.h"
#include "upload/Base64.h"

#include <openssl/evp.h>

#include <cctype>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>

namespace upload {

namespace {

// The blob's first field: a 32-bit big-endian length, then that many bytes.
std::string algorithmOf(std::string_view blob) {
    if (blob.size() < 4)
        return {};
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length = length << 8 | static_cast<unsigned char>(blob[static_cast<std::size_t>(i)]);
    if (length == 0 || length > blob.size() - 4)
        return {};
    return std::string(blob.substr(4, length));
}

std::string lowercase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Whether the file's last byte is something other than a line break, so
// that an appended line needs one before it.
bool endsMidLine(int file) {
    struct stat status {};
    char last = '\n';
    return fstat(file, &status) == 0 && status.st_size > 0 && pread(file, &last, 1, status.st_size - 1) == 1 &&
           last != '\n';
}

} // namespace

std::string hostKeyFingerprint(std::string_view blob) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(blob.data(), blob.size(), digest, &length, EVP_sha256(), nullptr);
    std::string text = base64Encoded(std::string_view(reinterpret_cast<const char*>(digest), length));
    while (text.ends_with('='))
        text.pop_back();
    return "SHA256:" + text;
}

std::string knownHostsLine(const std::string& host, int port, std::string_view blob) {
    std::string algorithm = algorithmOf(blob);
    if (algorithm.empty())
        return {};
    std::string name = lowercase(host);
    if (port != 22)
        name = "[" + name + "]:" + std::to_string(port);
    return name + " " + algorithm + " " + base64Encoded(blob);
}

std::error_code appendKnownHost(const std::filesystem::path& knownHosts, const std::string& line) {
    std::filesystem::path folder = knownHosts.parent_path();
    if (!folder.empty() && mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return publish::lastSystemError();
    publish::FileDescriptor file(open(knownHosts.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600));
    if (!file.valid())
        return publish::lastSystemError();
    std::string text = (endsMidLine(file.get()) ? "\n" : "") + line + "\n";
    if (std::error_code failed = publish::writeAll(file.get(), text))
        return failed;
    if (file.close() != 0)
        return publish::lastSystemError();
    return {};
}

} // namespace upload
