#include "transform/FSMovieObject.h"

#include "transform/FSStream.h"

namespace transform {

int FSMovieObject::length(FSStream& stream) {
    stream.setContext(FSStream::TagCodeContext, type);
    bodyLength = 0;
    return 0;
}

void FSMovieObject::encodeRecord(FSStream& stream) {
    stream.setContext(FSStream::TagCodeContext, type);
    if (headerSize() == 2) {
        stream.writeWord(type * 64 + bodyLength, 16);
    } else {
        stream.writeWord(type * 64 + LongHeaderEscape, 16);
        stream.writeWord(bodyLength, 32);
    }
    encodeBody(stream);
}

void FSMovieObject::decodeRecord(FSStream& stream) {
    int header = stream.readWord(16, false);
    type = header / 64;
    bodyLength = header % 64;
    if (bodyLength == LongHeaderEscape) {
        bodyLength = stream.readWord(32, false);
        extendLength = true;
    }
    stream.setContext(FSStream::TagCodeContext, type);
    decodeBody(stream, stream.endAfter(bodyLength, stream.endOfData()));
}

} // namespace transform
