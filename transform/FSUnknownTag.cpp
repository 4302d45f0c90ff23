#include "transform/FSUnknownTag.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory";
} // namespace

FSUnknownTag::FSUnknownTag(int code, const unsigned char* bytes, int count)
    : FSMovieObject(code), data(duplicateBytes(bytes, count, CopyFailure)), size(data ? count : 0) {}

FSUnknownTag::FSUnknownTag(const FSUnknownTag& other)
    : FSMovieObject(other), data(duplicateBytes(other.data.get(), other.size, CopyFailure)), size(other.size) {}

FSUnknownTag::FSUnknownTag(FSStream& stream) : FSUnknownTag() { decode(stream); }

FSTransformObject* FSUnknownTag::clone() const { return allocateObject<FSUnknownTag>(CopyFailure, *this); }

int FSUnknownTag::length(FSStream& stream) {
    FSMovieObject::length(stream);
    return bodyLength = size;
}

void FSUnknownTag::encode(FSStream& stream) {
    FSMovieObject::encode(stream);
    stream.writeBytes(data.get(), size);
}

void FSUnknownTag::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSMovieObject::decode(stream);
    bodyEnd(stream);
    data = stream.readBytes(bodyLength);
    size = bodyLength;
}

} // namespace transform
