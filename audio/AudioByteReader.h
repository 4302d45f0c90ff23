#ifndef AUDIO_AUDIOBYTEREADER_H
#define AUDIO_AUDIOBYTEREADER_H

#include <cstdint>
#include <cstdio>

namespace audio {

// The readers the header parsers use. A read past the end of the file gives
// false (or the bytes that were there); nothing here ends the process.
bool readLittle16(std::FILE* file, uint32_t& value);
bool readLittle32(std::FILE* file, uint32_t& value);
bool readBig16(std::FILE* file, uint32_t& value);
bool readBig32(std::FILE* file, uint32_t& value);
// Reads up to `count` bytes; returns how many were read.
size_t readBytes(std::FILE* file, unsigned char* bytes, size_t count);
// The 80-bit IEEE extended float of AIFF, big-endian.
bool readExtendedFloat(std::FILE* file, double& value);
double decodeExtendedFloat(const unsigned char bytes[10]);
// True when the four bytes spell `expected`.
bool hasTag(const unsigned char tag[4], const char* expected);
// Skips forward: seeks, or reads and discards when the stream cannot seek.
bool skipBytes(std::FILE* file, long offset);
// Skips the `rest` unread bytes of a RIFF or IFF chunk of `chunkSize`
// bytes, and the pad byte that follows a chunk of odd size. False for a
// negative rest (a chunk shorter than its own fields).
bool skipChunkRest(std::FILE* file, long long rest, uint32_t chunkSize);

enum class ByteOrder { LittleEndian, BigEndian };

// What follows the 4-byte "RIFF" or "FORM" tag: the container's size and
// its form type ("WAVE", "AIFF", "AIFC").
struct ContainerHeader {
    uint32_t size = 0;
    unsigned char formType[4] = {};
};
bool readContainerHeader(std::FILE* file, ByteOrder order, ContainerHeader& header);
// Skips a chunk that the parser does not read, after its tag: its size,
// which it also gives, its bytes and its pad byte.
bool skipChunk(std::FILE* file, ByteOrder order, uint32_t& size);

} // namespace audio

#endif
