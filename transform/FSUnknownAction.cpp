#include "transform/FSUnknownAction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory to copy and FSUnknownAction.";
} // namespace

FSUnknownAction::FSUnknownAction(int code, const unsigned char* bytes, int count)
    : FSActionObject(code), data(duplicateBytes(bytes, count, CopyFailure)) {
    bodyLength = data ? count : 0;
}

FSUnknownAction::FSUnknownAction(const FSUnknownAction& other)
    : FSActionObject(other), data(duplicateBytes(other.data.get(), other.bodyLength, CopyFailure)) {}

FSUnknownAction::FSUnknownAction(FSStream& stream) : FSUnknownAction() { decode(stream); }

FSTransformObject* FSUnknownAction::clone() const { return allocateObject<FSUnknownAction>(CopyFailure, *this); }

int FSUnknownAction::length(FSStream&) { return bodyLength; }

void FSUnknownAction::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    stream.writeBytes(data.get(), bodyLength);
}

void FSUnknownAction::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    bodyEnd(stream);
    data = stream.readBytes(bodyLength);
}

} // namespace transform
