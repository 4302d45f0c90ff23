#include "transform/FSSetBackgroundColor.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSSetBackgroundColor::FSSetBackgroundColor(FSStream& stream) : FSSetBackgroundColor() { decode(stream); }

FSTransformObject* FSSetBackgroundColor::clone() const {
    return allocateObject<FSSetBackgroundColor>("Cannot allocate memory", *this);
}

int FSSetBackgroundColor::length(FSStream& stream) {
    FSMovieObject::length(stream);
    bodyLength += color.length(stream);
    return bodyLength;
}

void FSSetBackgroundColor::encodeBody(FSStream& stream) {
    color.encode(stream);
}

void FSSetBackgroundColor::decodeBody(FSStream& stream, int end) {
    color.decode(stream);
    stream.requireWithin(end);
}

} // namespace transform
