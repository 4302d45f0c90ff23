#include "audio/RiffWriter.h"

#include <cerrno>
#include <cstring>

namespace audio {

namespace {

void putLittle32(unsigned char* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

bool hasFormType(const RiffChunk& chunk) {
    return std::memcmp(chunk.id, "RIFF", 4) == 0 || std::memcmp(chunk.id, "LIST", 4) == 0;
}

int lastError() { return errno != 0 ? errno : EIO; }

} // namespace

RiffChunk riffChunk(const char* id, uint32_t declaredSize, const char* formType) {
    RiffChunk chunk;
    std::memcpy(chunk.id, id, 4);
    if (formType)
        std::memcpy(chunk.formType, formType, 4);
    chunk.declaredSize = declaredSize;
    return chunk;
}

RiffWriter::~RiffWriter() { close(); }

int RiffWriter::open(const std::string& path) {
    close();
    errno = 0;
    file = std::fopen(path.c_str(), "wb");
    if (!file)
        return lastError();
    std::setvbuf(file, nullptr, _IONBF, 0);
    return 0;
}

int RiffWriter::createChunk(RiffChunk& chunk) {
    unsigned char header[12];
    std::memcpy(header, chunk.id, 4);
    putLittle32(header + 4, chunk.declaredSize);
    size_t size = 8;
    if (hasFormType(chunk)) {
        std::memcpy(header + 8, chunk.formType, 4);
        size = 12;
    }
    errno = 0;
    if (write(header, size) != size)
        return lastError();
    chunk.dataStart = std::ftell(file) - static_cast<long>(size - 8);
    return 0;
}

size_t RiffWriter::write(const void* bytes, size_t size) {
    if (!file)
        return 0;
    return std::fwrite(bytes, 1, size, file);
}

int RiffWriter::writeSizeAt(long offset, uint32_t size) {
    unsigned char bytes[4];
    putLittle32(bytes, size);
    long end = std::ftell(file);
    errno = 0;
    if (end < 0 || std::fseek(file, offset, SEEK_SET) != 0 || write(bytes, 4) != 4)
        return lastError();
    return std::fseek(file, end, SEEK_SET) == 0 ? 0 : lastError();
}

int RiffWriter::ascend(const RiffChunk& chunk) {
    if (!file)
        return EBADF;
    long end = std::ftell(file);
    if (end < chunk.dataStart)
        return lastError();
    auto size = static_cast<uint32_t>(end - chunk.dataStart);
    if (size % 2 != 0) {
        const unsigned char pad = 0;
        errno = 0;
        if (write(&pad, 1) != 1)
            return lastError();
    }
    return writeSizeAt(chunk.dataStart - 4, size);
}

int RiffWriter::close() {
    if (!file)
        return 0;
    errno = 0;
    int result = std::fclose(file) == 0 ? 0 : lastError();
    file = nullptr;
    return result;
}

} // namespace audio
