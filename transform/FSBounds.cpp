#include "transform/FSBounds.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSBounds::FSBounds(FSStream& stream) : FSBounds() { decode(stream); }

FSTransformObject* FSBounds::clone() const { return allocateObject<FSBounds>("Cannot allocate memory", *this); }

int FSBounds::fieldSize() const {
    const int values[] = {minX, maxX, minY, maxY};
    return maxBitsFor(values, 4, true);
}

int FSBounds::length(FSStream&) { return (5 + 4 * fieldSize() + 7) / 8; }

void FSBounds::encodeRecord(FSStream& stream) {
    int n = fieldSize();
    stream.alignToByte();
    stream.writeBits(n, 5);
    for (int value : {minX, maxX, minY, maxY})
        stream.writeBits(value, n);
    stream.alignToByte();
}

void FSBounds::decodeRecord(FSStream& stream) {
    stream.alignToByte();
    int n = stream.readBits(5, false);
    minX = stream.readBits(n, true);
    maxX = stream.readBits(n, true);
    minY = stream.readBits(n, true);
    maxY = stream.readBits(n, true);
    stream.alignToByte();
}

} // namespace transform
