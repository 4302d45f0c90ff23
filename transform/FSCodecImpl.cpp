#include "transform/FSCodecImpl.h"

#include "transform/FSFileReader.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace transform {

FSCodec* createCodec(int byteOrder) { return new (std::nothrow) FSCodecImpl(byteOrder); }

FSCodecImpl::~FSCodecImpl() { delete[] data; }

int FSCodecImpl::copyData(unsigned char* buffer) const {
    if (buffer != nullptr && size > 0)
        std::memcpy(buffer, data, static_cast<size_t>(size));
    return size;
}

int FSCodecImpl::readFile(const char* path) {
    FSBytes bytes;
    int status = readWholeFile(path, bytes);
    if (status == FSLoaded)
        setData(bytes.data(), bytes.size());
    return status;
}

void FSCodecImpl::setData(const unsigned char* bytes, int count) {
    delete[] data;
    data = nullptr;
    size = 0;
    pointer = 0;
    if (count <= 0 || count > std::numeric_limits<int>::max() / 8)
        return;
    data = new (std::nothrow) unsigned char[count];
    if (data == nullptr)
        return;
    if (bytes != nullptr)
        std::memcpy(data, bytes, static_cast<size_t>(count));
    else
        std::memset(data, 0, static_cast<size_t>(count));
    size = count;
}

void FSCodecImpl::setPointer(int bits) { pointer = bits < 0 ? 0 : (bits > endBits() ? endBits() : bits); }

void FSCodecImpl::movePointer(int bits) { setPointer(static_cast<int>(static_cast<int64_t>(pointer) + bits)); }

void FSCodecImpl::alignToByte() { setPointer((pointer + 7) & ~7); }

uint32_t FSCodecImpl::peekBits(int at, int width) const {
    uint64_t window = 0;
    int first = at >> 3;
    int last = (at + width - 1) >> 3;
    for (int i = first; i <= last; ++i)
        window = (window << 8) | (i < size ? data[i] : 0u);
    int spare = (last - first + 1) * 8 - (at & 7) - width;
    return static_cast<uint32_t>((window >> spare) & ((uint64_t{1} << width) - 1));
}

bool FSCodecImpl::findBits(int value, int width, int step) {
    if (width < 1 || width > 32 || step <= 0)
        return false;
    auto wanted = static_cast<uint32_t>(value) & static_cast<uint32_t>((uint64_t{1} << width) - 1);
    for (int64_t at = pointer; at + width <= endBits(); at += step) {
        if (peekBits(static_cast<int>(at), width) == wanted) {
            pointer = static_cast<int>(at);
            return true;
        }
    }
    return false;
}

bool FSCodecImpl::findWord(int value, int bytes, int step) {
    if (bytes < 1 || bytes > 4 || step <= 0)
        return false;
    int start = pointer;
    alignToByte();
    for (int64_t at = pointer; at + 8 * bytes <= endBits(); at += 8 * static_cast<int64_t>(step)) {
        pointer = static_cast<int>(at);
        int mask = bytes == 4 ? -1 : (1 << (8 * bytes)) - 1;
        if (readWord(bytes) == (value & mask)) {
            pointer = static_cast<int>(at);
            return true;
        }
    }
    pointer = start;
    return false;
}

int FSCodecImpl::readBits(int width) {
    if (width < 1 || width > 32)
        return 0;
    uint32_t value = peekBits(pointer, width);
    movePointer(width);
    return static_cast<int>(value);
}

int FSCodecImpl::readSignedBits(int width) {
    auto value = static_cast<uint32_t>(readBits(width));
    if (width >= 1 && width < 32 && (value & (1u << (width - 1))))
        value |= ~0u << width;
    return static_cast<int>(value);
}

int FSCodecImpl::readWord(int bytes) {
    if (bytes < 1 || bytes > 4)
        return 0;
    alignToByte();
    int first = pointer >> 3;
    int count = size - first < bytes ? size - first : bytes;
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        uint32_t byte = data[first + i];
        if (byteOrder == 0)
            value |= byte << (8 * i);
        else
            value = (value << 8) | byte;
    }
    movePointer(8 * count);
    return static_cast<int>(value);
}

int FSCodecImpl::readSignedWord(int bytes) {
    auto value = static_cast<uint32_t>(readWord(bytes));
    int width = 8 * bytes;
    if (bytes >= 1 && bytes < 4 && (value & (1u << (width - 1))))
        value |= ~0u << width;
    return static_cast<int>(value);
}

void FSCodecImpl::ensureCapacity(int64_t bits) {
    int64_t needed = (bits + 7) / 8;
    if (needed <= size)
        return;
    int64_t capacity = size > 0 ? 2 * static_cast<int64_t>(size) : 16;
    while (capacity < needed)
        capacity *= 2;
    if (capacity > std::numeric_limits<int>::max() / 8)
        throw std::bad_alloc();
    auto* grown = new unsigned char[static_cast<size_t>(capacity)]();
    if (size > 0)
        std::memcpy(grown, data, static_cast<size_t>(size));
    delete[] data;
    data = grown;
    size = static_cast<int>(capacity);
}

void FSCodecImpl::writeBits(int value, int width) {
    if (width < 1 || width > 32)
        return;
    ensureCapacity(static_cast<int64_t>(pointer) + width);
    for (int i = width - 1; i >= 0; --i, ++pointer) {
        unsigned char mask = static_cast<unsigned char>(0x80u >> (pointer & 7));
        if ((static_cast<uint32_t>(value) >> i) & 1u)
            data[pointer >> 3] |= mask;
        else
            data[pointer >> 3] &= static_cast<unsigned char>(~mask);
    }
}

void FSCodecImpl::writeWord(int value, int bytes) {
    if (bytes < 1 || bytes > 4)
        return;
    pointer = (pointer + 7) & ~7;
    ensureCapacity(static_cast<int64_t>(pointer) + 8 * bytes);
    auto word = static_cast<uint32_t>(value);
    for (int i = 0; i < bytes; ++i) {
        int shift = byteOrder == 0 ? 8 * i : 8 * (bytes - 1 - i);
        data[(pointer >> 3) + i] = static_cast<unsigned char>(word >> shift);
    }
    pointer += 8 * bytes;
}

int FSCodecImpl::readBytes(unsigned char* buffer, int count) {
    alignToByte();
    int first = pointer >> 3;
    int copied = size - first < count ? size - first : count;
    if (copied <= 0)
        return 0;
    if (buffer != nullptr)
        std::memcpy(buffer, data + first, static_cast<size_t>(copied));
    movePointer(8 * copied);
    return copied;
}

void FSCodecImpl::writeBytes(const unsigned char* bytes, int count) {
    if (bytes == nullptr || count <= 0)
        return;
    pointer = (pointer + 7) & ~7;
    ensureCapacity(static_cast<int64_t>(pointer) + 8 * static_cast<int64_t>(count));
    std::memcpy(data + (pointer >> 3), bytes, static_cast<size_t>(count));
    pointer += 8 * count;
}

float FSCodecImpl::readFixed(int width, int fractionBits) {
    return static_cast<float>(readSignedBits(width)) / static_cast<float>(int64_t{1} << fractionBits);
}

void FSCodecImpl::writeFixed(float value, int width, int fractionBits) {
    writeBits(static_cast<int>(value * static_cast<float>(int64_t{1} << fractionBits)), width);
}

} // namespace transform
