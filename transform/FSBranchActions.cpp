#include "transform/FSBranchActions.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory for action object.";
} // namespace

FSJump::FSJump(FSStream& stream) : FSJump() { decode(stream); }

FSTransformObject* FSJump::clone() const { return allocateObject<FSJump>(CopyFailure, *this); }

int FSJump::length(FSStream&) { return bodyLength = 2; }

void FSJump::encodeBody(FSStream& stream) {
    stream.writeWord(offset, 16);
}

void FSJump::decodeBody(FSStream& stream, int end) {
    offset = stream.readWord(16, true);
    stream.requireWithin(end);
}

FSIf::FSIf(FSStream& stream) : FSIf() { decode(stream); }

FSTransformObject* FSIf::clone() const { return allocateObject<FSIf>(CopyFailure, *this); }

int FSIf::length(FSStream&) { return bodyLength = 2; }

void FSIf::encodeBody(FSStream& stream) {
    stream.writeWord(offset, 16);
}

void FSIf::decodeBody(FSStream& stream, int end) {
    offset = stream.readWord(16, true);
    stream.requireWithin(end);
}

} // namespace transform
