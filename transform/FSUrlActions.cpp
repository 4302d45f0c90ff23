#include "transform/FSUrlActions.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory for action object.";
} // namespace

FSGetUrl::FSGetUrl(FSStream& stream) : FSGetUrl() { decode(stream); }

FSTransformObject* FSGetUrl::clone() const { return allocateObject<FSGetUrl>(CopyFailure, *this); }

int FSGetUrl::length(FSStream&) { return bodyLength = url.textSize() + target.textSize(); }

void FSGetUrl::encodeBody(FSStream& stream) {
    url.encodeText(stream);
    target.encodeText(stream);
}

void FSGetUrl::decodeBody(FSStream& stream, int end) {
    url.decodeText(stream);
    target.decodeText(stream);
    stream.requireWithin(end);
}

FSGetUrl2::FSGetUrl2(FSStream& stream) : FSGetUrl2() { decode(stream); }

FSTransformObject* FSGetUrl2::clone() const { return allocateObject<FSGetUrl2>(CopyFailure, *this); }

int FSGetUrl2::length(FSStream&) { return bodyLength = 1; }

void FSGetUrl2::encodeBody(FSStream& stream) {
    stream.writeWord(requestFlags, 8);
}

void FSGetUrl2::decodeBody(FSStream& stream, int end) {
    requestFlags = stream.readWord(8, false);
    stream.requireWithin(end);
}

} // namespace transform
