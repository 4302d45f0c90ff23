#include "audio/AudioFileInspection.h"

#include "transform/FSMp3Frames.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace audio {

namespace {

// Enough to recognise files by their first bytes.
constexpr size_t StartBytes = 4096;

using Bytes = std::vector<unsigned char>;

bool startsWith(const Bytes& bytes, size_t at, const char* text, size_t length) {
    return bytes.size() >= at + length && std::memcmp(bytes.data() + at, text, length) == 0;
}

// Up to `count` bytes from `from` on; false on a read error.
bool readSlice(int file, std::uint64_t from, size_t count, Bytes& bytes) {
    bytes.resize(count);
    size_t done = 0;
    while (done < count) {
        ssize_t got = ::pread(file, bytes.data() + done, count - done, static_cast<off_t>(from + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return true;
}

// Text has no control bytes other than line breaks, tabs and form feeds.
bool looksLikeText(const Bytes& bytes) {
    size_t count = std::min<size_t>(bytes.size(), 4096);
    if (count == 0)
        return false;
    for (size_t i = 0; i < count; ++i) {
        unsigned char c = bytes[i];
        if ((c < 0x20 && c != '\n' && c != '\r' && c != '\t' && c != '\f') || c == 0x7F)
            return false;
    }
    return true;
}

// True when the start is one value that is no printable character, repeated.
bool isRepeatedByte(const Bytes& bytes) {
    return !bytes.empty() && (bytes[0] < 0x20 || bytes[0] >= 0x7F) &&
           std::all_of(bytes.begin(), bytes.end(), [&](unsigned char c) { return c == bytes[0]; });
}

struct Signature {
    size_t offset;
    const char* bytes;
    size_t length;
    ForeignContent content;
};

// Files people keep beside their music, by their first bytes.
const Signature ForeignSignatures[] = {
    {4, "ftyp", 4, ForeignContent::Mp4},
    {0, "\xFF\xF1", 2, ForeignContent::Aac},
    {0, "\xFF\xF9", 2, ForeignContent::Aac},
    {0, "\x1A\x45\xDF\xA3", 4, ForeignContent::Matroska},
    {0, "\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8, ForeignContent::WindowsMedia},
    {0, "MThd", 4, ForeignContent::Midi},
    {8, "AVI ", 4, ForeignContent::Avi},
    {8, "WEBP", 4, ForeignContent::WebP},
    {0, "\x89PNG", 4, ForeignContent::Png},
    {0, "\xFF\xD8\xFF", 3, ForeignContent::Jpeg},
    {0, "GIF8", 4, ForeignContent::Gif},
    {0, "%PDF", 4, ForeignContent::Pdf},
    {0, "PK\x03\x04", 4, ForeignContent::Zip},
    {0, "\x1F\x8B", 2, ForeignContent::Gzip},
    {0, "Rar!", 4, ForeignContent::Rar},
    {0, "7z\xBC\xAF", 4, ForeignContent::SevenZip},
    {0, "BZh", 3, ForeignContent::Bzip2},
    {0, "\x7F" "ELF", 4, ForeignContent::Program},
};

ForeignFile foreignFile(const Bytes& start) {
    for (const Signature& signature : ForeignSignatures)
        if (startsWith(start, signature.offset, signature.bytes, signature.length))
            return {signature.content, 0};
    if (start.empty())
        return {ForeignContent::Empty, 0};
    if (isRepeatedByte(start))
        return {ForeignContent::RepeatedByte, start[0]};
    if (looksLikeText(start))
        return {ForeignContent::Text, 0};
    return {ForeignContent::Binary, 0};
}

bool isRawPcmName(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".raw" || extension == ".pcm";
}

// Where frames first chain, within the search limit after the leading tags
// (whose headers say how long they are; the file may hold less). `failed`
// tells a read error from a file without frames.
std::optional<std::uint64_t> firstMp3Frame(int file, std::uint64_t fileSize, const Bytes& start, bool& failed) {
    std::uint64_t audio = 0;
    Bytes header = start;
    while (size_t skip = transform::id3v2TagSkip(header.data(), header.size(), fileSize - audio)) {
        audio += skip;
        if ((failed = !readSlice(file, audio, 10, header)))
            return std::nullopt;
    }
    // Never more than the file holds: a short file needs no megabyte of room.
    std::uint64_t wanted = std::min<std::uint64_t>(transform::FSMp3SearchLimit + transform::FSMp3ChainBytes,
                                                   fileSize > audio ? fileSize - audio : 0);
    Bytes window;
    if ((failed = !readSlice(file, audio, static_cast<size_t>(wanted), window)))
        return std::nullopt;
    size_t found = transform::findChainedMp3Frame(window.data(), window.size(), 0, transform::FSMp3SearchLimit);
    if (found >= window.size())
        return std::nullopt;
    return audio + found;
}

} // namespace

AudioFileInspection inspectAudioFile(int descriptor, const std::string& name) {
    struct stat status;
    Bytes start;
    if (::fstat(descriptor, &status) != 0 || !readSlice(descriptor, 0, StartBytes, start))
        return {AudioFileKind::Unreadable, {}, 0};
    if (startsWith(start, 0, "RIFF", 4) && startsWith(start, 8, "WAVE", 4))
        return {AudioFileKind::Wav, {}, 0};
    if (startsWith(start, 0, "FORM", 4) && (startsWith(start, 8, "AIFF", 4) || startsWith(start, 8, "AIFC", 4)))
        return {AudioFileKind::Aiff, {}, 0};
    if (startsWith(start, 0, "fLaC", 4) || startsWith(start, 0, "OggS", 4) || startsWith(start, 0, "RF64", 4))
        return {AudioFileKind::Decodable, {}, 0};
    bool failed = false;
    auto size = static_cast<std::uint64_t>(status.st_size);
    if (std::optional<std::uint64_t> frame = firstMp3Frame(descriptor, size, start, failed))
        return {AudioFileKind::Mp3, {}, *frame};
    if (failed)
        return {AudioFileKind::Unreadable, {}, 0};
    if (isRawPcmName(name))
        return {AudioFileKind::RawPcm, {}, 0};
    return {AudioFileKind::Foreign, foreignFile(start), 0};
}

} // namespace audio
