#include "transform/FSActionObject.h"

#include "transform/FSStream.h"

namespace transform {

int FSActionObject::length(FSStream&) {
    bodyLength = 0;
    return 0;
}

void FSActionObject::encode(FSStream& stream) { encodeHeader(stream, bodyLength); }

void FSActionObject::encodeHeader(FSStream& stream, int headerLength) const {
    stream.writeWord(type, 8);
    if (type >= 128)
        stream.writeWord(headerLength, 16);
}

void FSActionObject::decode(FSStream& stream) {
    type = stream.readWord(8, false);
    bodyLength = type >= 128 ? stream.readWord(16, false) : 0;
}

int FSActionObject::bodyEnd(FSStream& stream) const { return stream.endAfter(bodyLength, stream.endOfData()); }

} // namespace transform
