#include "input_files/InputFile.h"

#include "system_calls/ReadChunks.h"
#include "system_calls/SystemError.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace publish {

namespace {

class InputFileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "input file"; }
    std::string message(int value) const override {
        switch (static_cast<InputFileError>(value)) {
        case InputFileError::Folder: return "is a folder, not a regular file";
        case InputFileError::Fifo: return "is a FIFO (named pipe), not a regular file";
        case InputFileError::Socket: return "is a socket, not a regular file";
        case InputFileError::Device: return "is a device, not a regular file";
        case InputFileError::OtherKind: return "is not a regular file";
        case InputFileError::TooLarge: return "is too large";
        }
        return "cannot be read";
    }
};

std::error_code kindError(mode_t mode) {
    if (S_ISDIR(mode))
        return InputFileError::Folder;
    if (S_ISFIFO(mode))
        return InputFileError::Fifo;
    if (S_ISSOCK(mode))
        return InputFileError::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return InputFileError::Device;
    return InputFileError::OtherKind;
}

} // namespace

const std::error_category& inputFileCategory() {
    static const InputFileCategory category;
    return category;
}

std::error_code make_error_code(InputFileError error) { return {static_cast<int>(error), inputFileCategory()}; }

bool isKindRefusal(std::error_code error) {
    return error.category() == inputFileCategory() && error != InputFileError::TooLarge;
}

std::string openingProblem(std::error_code error) {
    if (error.category() == inputFileCategory())
        return error.message();
    return "cannot be opened: " + error.message();
}

std::error_code openInputFile(const std::filesystem::path& path, FileDescriptor& file) {
    // Without O_NONBLOCK, opening a FIFO waits until something writes to it.
    FileDescriptor opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status;
    if (!opened.valid()) {
        // A socket cannot be opened at all: its kind is the better reason.
        std::error_code error = lastSystemError();
        bool otherKind = ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
        return otherKind ? kindError(status.st_mode) : error;
    }
    if (::fstat(opened.get(), &status) != 0)
        return lastSystemError();
    if (!S_ISREG(status.st_mode))
        return kindError(status.st_mode);
    // Reads of a regular file never wait anyway; the readers expect a
    // descriptor that blocks.
    int flags = ::fcntl(opened.get(), F_GETFL);
    if (flags < 0 || ::fcntl(opened.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return lastSystemError();
    file = std::move(opened);
    return {};
}

std::string descriptorPath(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

std::error_code readInputFile(const std::filesystem::path& path, std::uintmax_t largest, std::string& bytes) {
    FileDescriptor file;
    if (std::error_code error = openInputFile(path, file))
        return error;
    struct stat status;
    if (::fstat(file.get(), &status) != 0)
        return lastSystemError();
    if (static_cast<std::uintmax_t>(status.st_size) > largest)
        return InputFileError::TooLarge;
    bytes.clear();
    return readChunks(file.get(), [&](std::string_view chunk) -> std::error_code {
        // A file that grows while it is read is held to the same bound.
        if (bytes.size() + chunk.size() > largest)
            return InputFileError::TooLarge;
        bytes.append(chunk);
        return {};
    });
}

} // namespace publish
