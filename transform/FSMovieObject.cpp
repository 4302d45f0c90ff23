#include "transform/FSMovieObject.h"

#include "transform/FSStream.h"

namespace transform {

namespace {
const int TagCodeContext = 1;
const int LongLength = 63;
} // namespace

int FSMovieObject::length(FSStream& stream) {
    stream.setContext(TagCodeContext, type);
    bodyLength = 0;
    return 0;
}

void FSMovieObject::encode(FSStream& stream) {
    stream.setContext(TagCodeContext, type);
    if (!extendLength && bodyLength < LongLength) {
        stream.writeWord(type * 64 + bodyLength, 16);
        return;
    }
    stream.writeWord(type * 64 + LongLength, 16);
    stream.writeWord(bodyLength, 32);
}

void FSMovieObject::decode(FSStream& stream) {
    int header = stream.readWord(16, false);
    type = header / 64;
    bodyLength = header % 64;
    if (bodyLength == LongLength) {
        bodyLength = stream.readWord(32, false);
        extendLength = true;
    }
    stream.setContext(TagCodeContext, type);
}

int FSMovieObject::bodyEnd(FSStream& stream) const { return stream.endAfter(bodyLength, stream.endOfData()); }

} // namespace transform
