#include "transform/FSBlockAction.h"

#include "transform/FSStream.h"

namespace transform {

FSBlockAction::FSBlockAction(const FSBlockAction& other)
    : FSActionObject(other), actions(cloneElements(other.actions)) {}

FSBlockAction::~FSBlockAction() { deleteElements(actions); }

int FSBlockAction::length(FSStream& stream) {
    bodyLength = fieldsLength(stream);
    bodyLength += 2 + actionListSize(actions, stream);
    return bodyLength;
}

int FSBlockAction::headerLength() const { return bodyLength - measuredListSize(actions); }

void FSBlockAction::encodeBody(FSStream& stream) {
    encodeFields(stream);
    stream.writeWord(measuredListSize(actions), 16);
    encodeActionList(actions, stream);
}

void FSBlockAction::decodeBody(FSStream& stream, int headerEnd) {
    deleteElements(actions);
    actions = FSActionList();
    decodeFields(stream, headerEnd);
    bodyLength += decodeTrailingActionList(stream, actions, headerEnd);
}

} // namespace transform
