#include "transform/FSTransformObject.h"

#include "transform/FSStream.h"

namespace transform {

void FSTransformObject::encode(FSStream& stream) {
    if (reportsCoding())
        stream.reportBegin(FSCodingEvent::Encoding, className());
    encodeRecord(stream);
    if (reportsCoding())
        stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSTransformObject::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    if (reportsCoding())
        stream.reportBegin(FSCodingEvent::Decoding, className());
    decodeRecord(stream);
    if (reportsCoding())
        stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
