#include "transform/FSRawBodyTag.h"

#include "transform/FSStream.h"

#include <utility>

namespace transform {

FSRawBodyTag::FSRawBodyTag(int type, const char* copyFailure, FSBytes bytes) : FSRawBodyTag(type, copyFailure) {
    body = std::move(bytes);
}

int FSRawBodyTag::length(FSStream& stream) {
    FSMovieObject::length(stream);
    return bodyLength = body.size();
}

void FSRawBodyTag::encodeBody(FSStream& stream) { body.writeTo(stream); }

void FSRawBodyTag::decodeBody(FSStream& stream, int) { body = stream.readBytes(bodyLength); }

} // namespace transform
