#include "transform/FSActionObject.h"

#include "transform/FSException.h"
#include "transform/FSStream.h"

namespace transform {

int FSActionObject::length(FSStream&) {
    bodyLength = 0;
    return 0;
}

void FSActionObject::encode(FSStream& stream) { encodeHeader(stream, bodyLength); }

void FSActionObject::encodeHeader(FSStream& stream, int headerLength) const {
    // The length field is 16 bits wide: a longer body would be read back as
    // other actions.
    if (type >= 128 && (headerLength < 0 || headerLength > 0xFFFF))
        throw FSFormatException("An action record is too long to encode.");
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
