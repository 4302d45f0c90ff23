#include "transform/FSDoAction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

#include <memory>

namespace transform {

namespace {
const char* const ActionAllocationFailure = "Cannot allocate memory for action object.";
} // namespace

FSDoAction::FSDoAction(const unsigned char* bytes, int count)
    : FSMovieObject(DoAction), encodedActions(duplicateBytes(bytes, count, ActionAllocationFailure)),
      encodedLength(encodedActions ? count : 0) {}

FSDoAction::FSDoAction(const FSDoAction& other)
    : FSMovieObject(other), encodedActions(duplicateBytes(other.encodedActions.get(), other.encodedLength,
                                                          ActionAllocationFailure)),
      encodedLength(other.encodedLength) {
    if (encodedLength == 0)
        actions = cloneElements(other.actions);
}

FSDoAction::FSDoAction(FSStream& stream) : FSDoAction() { decode(stream); }

FSDoAction::~FSDoAction() { deleteElements(actions); }

FSTransformObject* FSDoAction::clone() const { return allocateObject<FSDoAction>(ActionAllocationFailure, *this); }

int FSDoAction::length(FSStream& stream) {
    FSMovieObject::length(stream);
    bodyLength += (encodedLength != 0 ? encodedLength : actionListSize(actions, stream)) + 1;
    return bodyLength;
}

void FSDoAction::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    FSMovieObject::encode(stream);
    if (encodedLength != 0)
        stream.writeBytes(encodedActions.get(), encodedLength);
    else
        encodeActionList(actions, stream);
    stream.writeWord(0, 8);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSDoAction::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    deleteElements(actions);
    actions = FSActionList();
    encodedActions.reset();
    encodedLength = 0;

    FSMovieObject::decode(stream);
    int end = bodyEnd(stream);
    for (;;) {
        if (!stream.bytesLeft(end))
            stream.failDecoding("its actions run to the end of the tag without an end code.");
        std::unique_ptr<FSActionObject> action(decodeAction(stream, end));
        if (!action)
            break;
        actions.append(action.get());
        action.release();
    }
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
