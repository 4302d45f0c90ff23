#include "transform/FSUnknownAction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory to copy and FSUnknownAction.";
} // namespace

FSUnknownAction::FSUnknownAction() : FSActionObject(0), data(CopyFailure) {}

FSUnknownAction::FSUnknownAction(int code, const unsigned char* bytes, int count)
    : FSActionObject(code), data(bytes, count, CopyFailure) {
    bodyLength = data.size();
}

FSUnknownAction::FSUnknownAction(FSStream& stream) : FSUnknownAction() { decode(stream); }

FSTransformObject* FSUnknownAction::clone() const { return allocateObject<FSUnknownAction>(CopyFailure, *this); }

int FSUnknownAction::length(FSStream&) { return bodyLength; }

void FSUnknownAction::encodeBody(FSStream& stream) {
    data.writeTo(stream);
}

void FSUnknownAction::decodeBody(FSStream& stream, int) {
    data = stream.readBytes(bodyLength);
}

} // namespace transform
