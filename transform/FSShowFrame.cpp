#include "transform/FSShowFrame.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSShowFrame::FSShowFrame(FSStream& stream) : FSShowFrame() { decode(stream); }

FSTransformObject* FSShowFrame::clone() const { return allocateObject<FSShowFrame>("Cannot allocate memory", *this); }

int FSShowFrame::length(FSStream& stream) { return FSMovieObject::length(stream); }

void FSShowFrame::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    FSMovieObject::encode(stream);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSShowFrame::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    FSMovieObject::decode(stream);
    bodyEnd(stream);
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
