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

void FSSetBackgroundColor::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    FSMovieObject::encode(stream);
    color.encode(stream);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSSetBackgroundColor::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    FSMovieObject::decode(stream);
    int end = bodyEnd(stream);
    color.decode(stream);
    stream.requireWithin(end);
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
