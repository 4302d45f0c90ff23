#ifndef INPUT_FILES_INPUTFILE_H
#define INPUT_FILES_INPUTFILE_H

#include "system_calls/FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <type_traits>

namespace publish {

// Every file a user names (sound files, playlists, lyrics) and every cache
// entry is opened here first, and read by anything else only through the
// descriptor this gives, never by its name again: reading a FIFO, a socket
// or a device would wait for ever or never end.

// Why a name that exists is no file to read.
enum class InputFileError {
    Folder = 1,
    Fifo,
    Socket,
    Device,
    OtherKind,
    TooLarge,
};
const std::error_category& inputFileCategory();
std::error_code make_error_code(InputFileError error);

// Opens `path` for reading without waiting for a writer, and only when it
// is a regular file (a link to one included); anything else is refused by
// its kind.
[[nodiscard]] std::error_code openInputFile(const std::filesystem::path& path, FileDescriptor& file);

// The name under which an open file can be opened again, for libraries
// that take only names.
std::string descriptorPath(int descriptor);

// Reads a whole input file of at most `largest` bytes.
[[nodiscard]] std::error_code readInputFile(const std::filesystem::path& path, std::uintmax_t largest,
                                            std::string& bytes);

// True when `error` is the refusal of a name that is no regular file (a
// folder, FIFO, socket or device), not the system's reason for a failure.
bool isKindRefusal(std::error_code error);

// Why a file could not be opened or read, said after its name: "is a FIFO
// (named pipe), not a regular file", "cannot be opened: Permission denied".
std::string openingProblem(std::error_code error);

} // namespace publish

// Inside namespace std rather than qualified: lupdate, which reads this
// header through the wizard's pages, does not parse the qualified form.
namespace std {
template <>
struct is_error_code_enum<publish::InputFileError> : true_type {};
} // namespace std

#endif
