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

void FSWith::encode(FSStream& stream) {
    encodeHeader(stream, 2);
    stream.writeWord(measuredListSize(actions), 16);
    encodeActionList(actions, stream);
}

void FSWith::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    deleteElements(actions);
    actions = FSActionList();
    FSActionObject::decode(stream);
    int headerEnd = bodyEnd(stream);
    bodyLength += decodeTrailingActionList(stream, actions, headerEnd);
}

} // namespace transform
