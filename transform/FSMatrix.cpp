#include "transform/FSMatrix.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {

int pairBits(int first, int second) {
    const int values[] = {first, second};
    return maxBitsFor(values, 2, true);
}

void writePair(FSStream& stream, int first, int second) {
    int n = pairBits(first, second);
    stream.writeBits(n, 5);
    stream.writeBits(first, n);
    stream.writeBits(second, n);
}

void readPair(FSStream& stream, int& first, int& second) {
    int n = stream.readBits(5, false);
    first = stream.readBits(n, true);
    second = stream.readBits(n, true);
}

} // namespace

FSMatrix::FSMatrix(FSStream& stream) : FSMatrix() { decode(stream); }

FSTransformObject* FSMatrix::clone() const { return allocateObject<FSMatrix>("Cannot allocate memory", *this); }

int FSMatrix::bitCount() const {
    int bits = 1 + 1 + 5 + 2 * pairBits(translateX, translateY);
    if (hasScale())
        bits += 5 + 2 * pairBits(scaleX, scaleY);
    if (hasRotate())
        bits += 5 + 2 * pairBits(rotate0, rotate1);
    return bits;
}

int FSMatrix::length(FSStream&) { return (bitCount() + 7) / 8; }

void FSMatrix::encodeRecord(FSStream& stream) {
    stream.alignToByte();
    stream.writeBits(hasScale() ? 1 : 0, 1);
    if (hasScale())
        writePair(stream, scaleX, scaleY);
    stream.writeBits(hasRotate() ? 1 : 0, 1);
    if (hasRotate())
        writePair(stream, rotate0, rotate1);
    writePair(stream, translateX, translateY);
    stream.alignToByte();
}

void FSMatrix::decodeRecord(FSStream& stream) {
    stream.alignToByte();
    scaleX = scaleY = 65536;
    rotate0 = rotate1 = 0;
    if (stream.readBits(1, false))
        readPair(stream, scaleX, scaleY);
    if (stream.readBits(1, false))
        readPair(stream, rotate0, rotate1);
    readPair(stream, translateX, translateY);
    stream.alignToByte();
}

} // namespace transform
