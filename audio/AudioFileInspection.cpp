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

// "nothing but zero bytes", "nothing but bytes 0xFF", when the start is one
// value that is no printable character, repeated; else empty.
std::string repeatedByte(const Bytes& bytes) {
    if (bytes.empty() || (bytes[0] >= 0x20 && bytes[0] < 0x7F) || !std::all_of(bytes.begin(), bytes.end(), [&](unsigned char c) { return c == bytes[0]; }))
        return "";
    if (bytes[0] == 0)
        return "nothing but zero bytes";
    const char digits[] = "0123456789ABCDEF";
    return std::string("nothing but bytes 0x") + digits[bytes[0] >> 4] + digits[bytes[0] & 0xF];
}

struct Signature {
    size_t offset;
    const char* bytes;
    size_t length;
    const char* name;
};

// Files people keep beside their music, by their first bytes.
const Signature ForeignSignatures[] = {
    {4, "ftyp", 4, "an MP4 or M4A file (AAC audio or video)"},
    {0, "\xFF\xF1", 2, "an AAC (ADTS) file"},
    {0, "\xFF\xF9", 2, "an AAC (ADTS) file"},
    {0, "\x1A\x45\xDF\xA3", 4, "a Matroska or WebM file"},
    {0, "\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8, "a Windows Media file"},
    {0, "MThd", 4, "a MIDI file (notes, not recorded sound)"},
    {8, "AVI ", 4, "an AVI video"},
    {8, "WEBP", 4, "a WebP picture"},
    {0, "\x89PNG", 4, "a PNG picture"},
    {0, "\xFF\xD8\xFF", 3, "a JPEG picture"},
    {0, "GIF8", 4, "a GIF picture"},
    {0, "%PDF", 4, "a PDF document"},
    {0, "PK\x03\x04", 4, "a ZIP archive"},
    {0, "\x1F\x8B", 2, "a gzip archive"},
    {0, "Rar!", 4, "a RAR archive"},
    {0, "7z\xBC\xAF", 4, "a 7-Zip archive"},
    {0, "BZh", 3, "a bzip2 archive"},
    {0, "\x7F" "ELF", 4, "a program"},
};

std::string foreignProblem(const Bytes& start) {
    for (const Signature& signature : ForeignSignatures)
        if (startsWith(start, signature.offset, signature.bytes, signature.length))
            return std::string("not a sound file Tunemill can read: it is ") + signature.name;
    if (start.empty())
        return "the file is empty";
    if (std::string repeated = repeatedByte(start); !repeated.empty())
        return "not a sound file Tunemill can read: it holds " + repeated;
    if (looksLikeText(start))
        return "not a sound file Tunemill can read: it is text";
    return "not a sound file Tunemill can read: it is binary data in which no MP3, WAV, AIFF, FLAC or Ogg audio "
           "was found";
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
        return {AudioFileKind::Unreadable, "the file cannot be read"};
    if (startsWith(start, 0, "RIFF", 4) && startsWith(start, 8, "WAVE", 4))
        return {AudioFileKind::Wav, ""};
    if (startsWith(start, 0, "FORM", 4) && (startsWith(start, 8, "AIFF", 4) || startsWith(start, 8, "AIFC", 4)))
        return {AudioFileKind::Aiff, ""};
    if (startsWith(start, 0, "fLaC", 4) || startsWith(start, 0, "OggS", 4) || startsWith(start, 0, "RF64", 4))
        return {AudioFileKind::Decodable, ""};
    bool failed = false;
    auto size = static_cast<std::uint64_t>(status.st_size);
    if (std::optional<std::uint64_t> frame = firstMp3Frame(descriptor, size, start, failed))
        return {AudioFileKind::Mp3, "", *frame};
    if (failed)
        return {AudioFileKind::Unreadable, "the file cannot be read"};
    if (isRawPcmName(name))
        return {AudioFileKind::RawPcm, ""};
    return {AudioFileKind::Foreign, foreignProblem(start)};
}

} // namespace audio
