#include "transform/FSActionObject.h"

#include "transform/FSException.h"
#include "transform/FSStream.h"

namespace transform {

int FSActionObject::length(FSStream&) {
    bodyLength = 0;
    return 0;
}

void FSActionObject::encodeRecord(FSStream& stream) {
    int declared = headerLength();
    // The length field is 16 bits wide: a longer body would be read back as
    // other actions.
    if (type >= 128 && (declared < 0 || declared > 0xFFFF))
        throw FSFormatException("An action record is too long to encode.");
    stream.writeWord(type, 8);
    if (type >= 128)
        stream.writeWord(declared, 16);
    encodeBody(stream);
}

void FSActionObject::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    bodyLength = type >= 128 ? stream.readWord(16, false) : 0;
    decodeBody(stream, stream.endAfter(bodyLength, stream.endOfData()));
}

} // namespace transform
