#include "transform/FSBranchActions.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory for action object.";
} // namespace

int FSBranchAction::length(FSStream&) { return bodyLength = 2; }

void FSBranchAction::encodeBody(FSStream& stream) {
    stream.writeWord(offset, 16);
}

void FSBranchAction::decodeBody(FSStream& stream, int end) {
    offset = stream.readWord(16, true);
    stream.requireWithin(end);
}

FSJump::FSJump(FSStream& stream) : FSJump() { decode(stream); }

FSTransformObject* FSJump::clone() const { return allocateObject<FSJump>(CopyFailure, *this); }

FSIf::FSIf(FSStream& stream) : FSIf() { decode(stream); }

FSTransformObject* FSIf::clone() const { return allocateObject<FSIf>(CopyFailure, *this); }

} // namespace transform
