#include "file_writing/AtomicFile.h"

#include "system_calls/FileDescriptor.h"
#include "file_writing/NewFile.h"
#include "system_calls/SystemError.h"

#include <cstdio>
#include <random>
#include <string>
#include <sys/stat.h>

namespace publish {

namespace {

const int NameAttempts = 100;

// Six letters or digits no other writer is likely to pick.
std::string randomLetters() {
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof Letters - 2);
    std::string letters(6, ' ');
    for (char& letter : letters)
        letter = Letters[pick(generator)];
    return letters;
}

// A new file under a hidden name beside `target`, with the permissions an
// ordinary new file gets (mkstemp's would be the owner's only).
std::error_code createBeside(const std::filesystem::path& target, std::filesystem::path& created,
                             FileDescriptor& file) {
    std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    for (int attempt = 0;; ++attempt) {
        created = folder / ("." + target.filename().string() + "." + randomLetters());
        std::error_code error = createNewFile(created, file);
        if (error != std::errc::file_exists || attempt + 1 == NameAttempts)
            return error;
    }
}

std::error_code fillAndClose(FileDescriptor& file, std::string_view contents) {
    std::error_code error = writeAll(file.get(), contents);
    if (!error && ::fsync(file.get()) != 0)
        error = lastSystemError();
    if (file.close() != 0 && !error)
        error = lastSystemError();
    return error;
}

} // namespace

std::error_code replaceFileAtomically(const std::filesystem::path& target, std::string_view contents) {
    std::filesystem::path temporary;
    FileDescriptor file;
    if (std::error_code error = createBeside(target, temporary, file))
        return error;

    // The file it replaces keeps its permissions.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0)
        ::fchmod(file.get(), existing.st_mode & 07777);

    std::error_code error = fillAndClose(file, contents);
    if (!error && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = lastSystemError();
    if (error)
        std::remove(temporary.c_str());
    return error;
}

} // namespace publish
