#include "transform/FSDoAction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

#include <memory>

namespace transform {

namespace {
const char* const ActionAllocationFailure = "Cannot allocate memory for action object.";
} // namespace

FSDoAction::FSDoAction() : FSMovieObject(DoAction), encodedActions(ActionAllocationFailure) {}

FSDoAction::FSDoAction(const FSActionList& actions)
    : FSMovieObject(DoAction), actions(actions), encodedActions(ActionAllocationFailure) {}

FSDoAction::FSDoAction(const unsigned char* bytes, int count)
    : FSMovieObject(DoAction), encodedActions(bytes, count, ActionAllocationFailure) {}

// The encoded bytes, when there are any, stand in for the actions.
FSDoAction::FSDoAction(const FSDoAction& other) : FSMovieObject(other), encodedActions(other.encodedActions) {
    if (encodedActions.empty())
        actions = cloneElements(other.actions);
}

FSDoAction::FSDoAction(FSStream& stream) : FSDoAction() { decode(stream); }

FSDoAction::~FSDoAction() { deleteElements(actions); }

FSTransformObject* FSDoAction::clone() const { return allocateObject<FSDoAction>(ActionAllocationFailure, *this); }

int FSDoAction::length(FSStream& stream) {
    FSMovieObject::length(stream);
    bodyLength += (!encodedActions.empty() ? encodedActions.size() : actionListSize(actions, stream)) + 1;
    return bodyLength;
}

void FSDoAction::encodeBody(FSStream& stream) {
    if (!encodedActions.empty())
        encodedActions.writeTo(stream);
    else
        encodeActionList(actions, stream);
    stream.writeWord(0, 8);
}

void FSDoAction::decodeBody(FSStream& stream, int end) {
    deleteElements(actions);
    actions = FSActionList();
    encodedActions.clear();
    for (;;) {
        if (!stream.bytesLeft(end))
            stream.failDecoding("its actions run to the end of the tag without an end code.");
        std::unique_ptr<FSActionObject> action(decodeAction(stream, end));
        if (!action)
            break;
        actions.append(action.get());
        action.release();
    }
}

} // namespace transform
