#include "transform/FSStream.h"

#include "transform/FSException.h"
#include "transform/FSMovieObject.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <string>

namespace transform {

namespace {

const int64_t MaxBits = std::numeric_limits<int>::max();

unsigned char* newBuffer(int count, const char* message) {
    try {
        return new unsigned char[static_cast<size_t>(count > 0 ? count : 0)]();
    } catch (const std::bad_alloc&) {
        throw FSAllocationException(message);
    }
}

void copyCut(char* target, size_t capacity, const char* text) {
    if (text == nullptr)
        return;
    std::strncpy(target, text, capacity - 1);
    target[capacity - 1] = '\0';
}

} // namespace

FSStream::FSStream() = default;

FSStream::FSStream(const unsigned char* bytes, int count) {
    data = newBuffer(count, "Cannot allocate memory for stream data.");
    size = count > 0 ? count : 0;
    if (size > 0 && bytes != nullptr)
        std::memcpy(data, bytes, static_cast<size_t>(size));
}

FSStream::~FSStream() { delete[] data; }

void FSStream::setData(const unsigned char* bytes, int count) {
    delete[] data;
    data = nullptr;
    size = 0;
    try {
        data = newBuffer(count, "Cannot allocate memory for stream data.");
    } catch (const FSAllocationException&) {
        if (observer == nullptr)
            throw;
        reportError(FSCodingEvent::Encoding, "Cannot allocate memory for stream data.");
        return;
    }
    size = count > 0 ? count : 0;
    if (size > 0 && bytes != nullptr)
        std::memcpy(data, bytes, static_cast<size_t>(size));
}

FSBytes FSStream::copyData() const {
    FSBytes copy("Cannot allocate memory for stream data.");
    copy.assign(data, size);
    return copy;
}

int FSStream::getContext(int index) const { return index >= 0 && index < 16 ? context[index] : 0; }

void FSStream::setContext(int index, int value) {
    if (index >= 0 && index < 16)
        context[index] = value;
}

void FSStream::alignToByte() { pointer = (pointer + 7) & ~7; }

void FSStream::writeBits(int value, int n) {
    if (n <= 0)
        return;
    if (n > 32)
        n = 32;
    auto bits = static_cast<uint32_t>(value);
    for (int i = n - 1; i >= 0; --i, ++pointer) {
        int byteIndex = pointer >> 3;
        if (byteIndex < 0 || byteIndex >= size)
            continue;
        unsigned char mask = static_cast<unsigned char>(0x80u >> (pointer & 7));
        if ((bits >> i) & 1u)
            data[byteIndex] |= mask;
        else
            data[byteIndex] &= static_cast<unsigned char>(~mask);
    }
}

void FSStream::writeWord(int value, int n) {
    int64_t bitsLeft = static_cast<int64_t>(size) * 8 - pointer;
    int m = static_cast<int>(n < bitsLeft ? n : bitsLeft);
    if (m <= 0)
        return;
    auto word = static_cast<uint32_t>(value);
    int byteIndex = pointer >> 3;
    for (int i = 0; i < (m + 7) / 8 && byteIndex + i < size; ++i) {
        data[byteIndex + i] = static_cast<unsigned char>(word >> (8 * i));
        pointer += 8;
    }
}

void FSStream::write(int value, int kind, int n) {
    if (kind == UnsignedBits || kind == SignedBits)
        writeBits(value, n);
    else
        writeWord(value, n);
}

int FSStream::writeBytes(const unsigned char* bytes, int count) {
    int start = pointer >> 3;
    int room = size - start;
    int copied = count < room ? count : room;
    if (copied <= 0 || bytes == nullptr)
        return 0;
    std::memcpy(data + start, bytes, static_cast<size_t>(copied));
    pointer += 8 * copied;
    return copied;
}

void FSStream::writeDouble(double value) {
    uint64_t image;
    std::memcpy(&image, &value, sizeof image);
    auto high = static_cast<uint32_t>(image >> 32);
    auto low = static_cast<uint32_t>(image);
    for (uint32_t half : {high, low})
        for (int i = 0; i < 4; ++i)
            writeWord(static_cast<int>((half >> (8 * i)) & 0xFF), 8);
}

void FSStream::failDecoding(const char* problem) const {
    std::string text = decoding ? decoding : "FSMovie";
    text += ": ";
    text += problem;
    throw FSFormatException(text.c_str());
}

void FSStream::requireReadable(int64_t bits) const {
    if (pointer < 0 || bits < 0 || pointer + bits > static_cast<int64_t>(size) * 8)
        failDecoding("cannot read past the end of the data.");
}

int FSStream::endAfter(int64_t bytes, int limitBits) const {
    int64_t end = pointer + 8 * bytes;
    if (bytes < 0 || end > limitBits || end > MaxBits)
        failDecoding("its length runs past the end of its container.");
    return static_cast<int>(end);
}

void FSStream::requireWithin(int endBits) const {
    if (pointer > endBits)
        failDecoding("its contents run past their declared length.");
}

int FSStream::readBits(int n, bool isSigned) {
    if (n <= 0)
        return 0;
    if (n > 32)
        failDecoding("cannot read a bit field wider than 32 bits.");
    requireReadable(n);
    uint32_t value = 0;
    for (int i = 0; i < n; ++i, ++pointer) {
        unsigned bit = (data[pointer >> 3] >> (7 - (pointer & 7))) & 1u;
        value = (value << 1) | bit;
    }
    if (isSigned && n < 32 && (value & (1u << (n - 1))))
        value |= ~0u << n;
    return static_cast<int>(value);
}

int FSStream::readWord(int n, bool isSigned) {
    if (n <= 0)
        return 0;
    if (n > 32)
        failDecoding("cannot read a word wider than 32 bits.");
    int byteCount = (n + 7) / 8;
    int byteIndex = pointer >> 3;
    if (byteIndex < 0 || static_cast<int64_t>(byteIndex) + byteCount > size)
        failDecoding("cannot read past the end of the data.");
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= static_cast<uint32_t>(data[byteIndex + i]) << (8 * i);
    pointer += 8 * byteCount;
    if (isSigned && n < 32 && (value & (1u << (n - 1))))
        value |= ~0u << n;
    return static_cast<int>(value);
}

int FSStream::read(int kind, int n) {
    switch (kind) {
    case UnsignedBits: return readBits(n, false);
    case SignedBits: return readBits(n, true);
    case SignedWord: return readWord(n, true);
    default: return readWord(n, false);
    }
}

FSBytes FSStream::readBytes(int count) {
    FSBytes bytes("Could not allocate memory to read an array of bytes from a stream.");
    if (count == 0)
        return bytes;
    if (count < 0)
        failDecoding("cannot read a negative number of bytes.");
    int start = pointer >> 3;
    if (start < 0 || static_cast<int64_t>(start) + count > size)
        failDecoding("cannot read past the end of the data.");
    bytes.assign(data + start, count);
    pointer = 8 * start + 8 * count;
    return bytes;
}

std::unique_ptr<char[]> FSStream::readString() {
    int start = pointer >> 3;
    if (start < 0 || start >= size)
        failDecoding("cannot read past the end of the data.");
    const void* nul = std::memchr(data + start, 0, static_cast<size_t>(size - start));
    if (nul == nullptr)
        failDecoding("its text has no terminating NUL before the end of the data.");
    int count = static_cast<int>(static_cast<const unsigned char*>(nul) - (data + start)) + 1;
    std::unique_ptr<char[]> text(reinterpret_cast<char*>(newBuffer(
        count, "Could not allocate memory to read an array of bytes from a stream.")));
    std::memcpy(text.get(), data + start, static_cast<size_t>(count));
    pointer = 8 * start + 8 * count;
    return text;
}

double FSStream::readDouble() {
    requireReadable(64);
    uint32_t halves[2] = {};
    for (uint32_t& half : halves)
        for (int i = 0; i < 4; ++i)
            half |= static_cast<uint32_t>(readWord(8, false)) << (8 * i);
    uint64_t image = (static_cast<uint64_t>(halves[0]) << 32) | halves[1];
    double value;
    std::memcpy(&value, &image, sizeof value);
    return value;
}

void FSStream::report(int kind, int event, const char* name, const char* message) {
    if (observer == nullptr)
        return;
    FSCodingEvent record;
    record.kind = kind;
    record.event = event;
    record.position = event == FSCodingEvent::Error ? 0 : pointer;
    copyCut(record.name, sizeof record.name, name);
    copyCut(record.message, sizeof record.message, message);
    observer->receive(record);
}

void FSStream::reportBegin(int kind, const char* name) { report(kind, FSCodingEvent::Begin, name, nullptr); }

void FSStream::reportEnd(int kind, const char* name) { report(kind, FSCodingEvent::End, name, nullptr); }

void FSStream::reportError(int kind, const char* message) { report(kind, FSCodingEvent::Error, nullptr, message); }

void FSStream::checkedEncode(FSMovieObject& tag) {
    int headerBits = 8 * tag.headerSize();
    int64_t expectedEnd = pointer + headerBits + 8 * static_cast<int64_t>(tag.bodyLength);
    tag.encode(*this);
    int64_t difference = (expectedEnd - pointer) / 8;
    if (difference != 0) {
        char text[320];
        const char* format = difference > 0 ? "%s underflowed by %d bytes." : "%s overflowed by %d bytes.";
        std::snprintf(text, sizeof text, format, tag.className(),
                      static_cast<int>(difference > 0 ? difference : -difference));
        if (observer == nullptr)
            throw FSFormatException(text);
        reportError(FSCodingEvent::Encoding, text);
    }
    pointer = static_cast<int>(expectedEnd);
}

FSOutputStream::FSOutputStream(int count) {
    try {
        setData(nullptr, count);
    } catch (const FSAllocationException&) {
        throw FSAllocationException("Cannot allocate memory for the output stream data.");
    }
}

int bitsFor(int value, bool isSigned) {
    if (value == 0)
        return 0;
    if (!isSigned) {
        auto bits = static_cast<uint32_t>(value);
        int count = 0;
        while (bits) {
            ++count;
            bits >>= 1;
        }
        return count;
    }
    if (value == std::numeric_limits<int>::min())
        return 32;
    int magnitude = value < 0 ? -value : value;
    return bitsFor(magnitude, false) + 1;
}

int maxBitsFor(const int* values, int count, bool isSigned) {
    int most = 0;
    for (int i = 0; i < count; ++i) {
        int bits = bitsFor(values[i], isSigned);
        if (bits > most)
            most = bits;
    }
    return most;
}

} // namespace transform
