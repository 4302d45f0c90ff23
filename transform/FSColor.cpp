#include "transform/FSColor.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSColor::FSColor(FSStream& stream) : FSColor() { decode(stream); }

FSTransformObject* FSColor::clone() const { return allocateObject<FSColor>("Cannot allocate memory", *this); }

int FSColor::length(FSStream& stream) { return stream.getContext(FSStream::AlphaContext) ? 4 : 3; }

void FSColor::encodeRecord(FSStream& stream) {
    stream.writeWord(red, 8);
    stream.writeWord(green, 8);
    stream.writeWord(blue, 8);
    if (stream.getContext(FSStream::AlphaContext))
        stream.writeWord(alpha, 8);
}

void FSColor::decodeRecord(FSStream& stream) {
    red = stream.readWord(8, false);
    green = stream.readWord(8, false);
    blue = stream.readWord(8, false);
    if (stream.getContext(FSStream::AlphaContext))
        alpha = stream.readWord(8, false);
}

} // namespace transform
