#include "transform/FSWith.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSWith::FSWith(const FSWith& other) : FSActionObject(other), actions(cloneElements(other.actions)) {}

FSWith::FSWith(FSStream& stream) : FSWith() { decode(stream); }

FSWith::~FSWith() { deleteElements(actions); }

FSTransformObject* FSWith::clone() const {
    return allocateObject<FSWith>("Cannot allocate memory for action object.", *this);
}

int FSWith::length(FSStream& stream) {
    return bodyLength = 2 + actionListSize(actions, stream);
}

// The action list follows the record rather than belonging to it.
int FSWith::headerLength() const { return 2; }

void FSWith::encodeBody(FSStream& stream) {
    stream.writeWord(measuredListSize(actions), 16);
    encodeActionList(actions, stream);
}

void FSWith::decodeBody(FSStream& stream, int headerEnd) {
    deleteElements(actions);
    actions = FSActionList();
    bodyLength += decodeTrailingActionList(stream, actions, headerEnd);
}

} // namespace transform
