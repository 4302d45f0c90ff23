#include "audio/AudioByteReader.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace audio {

namespace {

bool readWord(std::FILE* file, int size, bool bigEndian, uint32_t& value) {
    unsigned char bytes[4];
    if (readBytes(file, bytes, size) != static_cast<size_t>(size))
        return false;
    value = 0;
    for (int i = 0; i < size; ++i) {
        int index = bigEndian ? i : size - 1 - i;
        value = (value << 8) | bytes[index];
    }
    return true;
}

} // namespace

bool readLittle16(std::FILE* file, uint32_t& value) { return readWord(file, 2, false, value); }
bool readLittle32(std::FILE* file, uint32_t& value) { return readWord(file, 4, false, value); }
bool readBig16(std::FILE* file, uint32_t& value) { return readWord(file, 2, true, value); }
bool readBig32(std::FILE* file, uint32_t& value) { return readWord(file, 4, true, value); }

size_t readBytes(std::FILE* file, unsigned char* bytes, size_t count) {
    return std::fread(bytes, 1, count, file);
}

double decodeExtendedFloat(const unsigned char bytes[10]) {
    bool negative = bytes[0] & 0x80;
    int exponent = ((bytes[0] & 0x7F) << 8) | bytes[1];
    uint32_t high = 0, low = 0;
    for (int i = 0; i < 4; ++i) {
        high = (high << 8) | bytes[2 + i];
        low = (low << 8) | bytes[6 + i];
    }
    double value;
    if (exponent == 0 && high == 0 && low == 0)
        value = 0.0;
    else if (exponent == 0x7FFF)
        value = std::numeric_limits<double>::infinity();
    else
        value = std::ldexp(high, exponent - 16383 - 31) + std::ldexp(low, exponent - 16383 - 63);
    return negative ? -value : value;
}

bool readExtendedFloat(std::FILE* file, double& value) {
    unsigned char bytes[10];
    if (readBytes(file, bytes, sizeof bytes) != sizeof bytes)
        return false;
    value = decodeExtendedFloat(bytes);
    return true;
}

bool hasTag(const unsigned char tag[4], const char* expected) { return std::memcmp(tag, expected, 4) == 0; }

bool skipBytes(std::FILE* file, long offset) {
    if (std::fseek(file, offset, SEEK_CUR) == 0)
        return true;
    if (offset < 0)
        return false;
    unsigned char scratch[4096];
    while (offset > 0) {
        size_t piece = offset < static_cast<long>(sizeof scratch) ? static_cast<size_t>(offset) : sizeof scratch;
        size_t read = readBytes(file, scratch, piece);
        if (read == 0)
            return false;
        offset -= static_cast<long>(read);
    }
    return true;
}

bool skipChunkRest(std::FILE* file, long long rest, uint32_t chunkSize) {
    return rest >= 0 && skipBytes(file, static_cast<long>(rest + (chunkSize & 1)));
}

bool readContainerHeader(std::FILE* file, ByteOrder order, ContainerHeader& header) {
    return readWord(file, 4, order == ByteOrder::BigEndian, header.size) && readBytes(file, header.formType, 4) == 4;
}

bool skipChunk(std::FILE* file, ByteOrder order, uint32_t& size) {
    return readWord(file, 4, order == ByteOrder::BigEndian, size) && skipChunkRest(file, size, size);
}

} // namespace audio
