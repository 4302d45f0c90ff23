#include "transform/FSFrameActions.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory for action object.";
} // namespace

FSWaitForFrame::FSWaitForFrame(FSStream& stream) : FSWaitForFrame() { decode(stream); }

FSTransformObject* FSWaitForFrame::clone() const { return allocateObject<FSWaitForFrame>(CopyFailure, *this); }

int FSWaitForFrame::length(FSStream&) { return bodyLength = 3; }

void FSWaitForFrame::encodeBody(FSStream& stream) {
    stream.writeWord(frameNumber, 16);
    stream.writeWord(actionCount, 8);
}

void FSWaitForFrame::decodeBody(FSStream& stream, int end) {
    frameNumber = stream.readWord(16, false);
    actionCount = stream.readWord(8, false);
    stream.requireWithin(end);
}

FSWaitForFrame2::FSWaitForFrame2(FSStream& stream) : FSWaitForFrame2() { decode(stream); }

FSTransformObject* FSWaitForFrame2::clone() const { return allocateObject<FSWaitForFrame2>(CopyFailure, *this); }

int FSWaitForFrame2::length(FSStream&) { return bodyLength = 1; }

void FSWaitForFrame2::encodeBody(FSStream& stream) {
    stream.writeWord(actionCount, 8);
}

void FSWaitForFrame2::decodeBody(FSStream& stream, int end) {
    actionCount = stream.readWord(8, false);
    stream.requireWithin(end);
}

FSCall::FSCall(FSStream& stream) : FSCall() { decode(stream); }

FSTransformObject* FSCall::clone() const { return allocateObject<FSCall>(CopyFailure, *this); }

int FSCall::length(FSStream&) { return bodyLength = 0; }

void FSCall::encodeBody(FSStream&) {}

void FSCall::decodeBody(FSStream&, int) {}

FSGotoFrame2::FSGotoFrame2(FSStream& stream) : FSGotoFrame2() { decode(stream); }

FSTransformObject* FSGotoFrame2::clone() const { return allocateObject<FSGotoFrame2>(CopyFailure, *this); }

int FSGotoFrame2::length(FSStream&) { return bodyLength = sceneBias > 0 ? 3 : 1; }

void FSGotoFrame2::encodeBody(FSStream& stream) {
    stream.writeBits(0, 6);
    stream.writeBits(sceneBias > 0 ? 1 : 0, 1);
    stream.writeBits(play ? 1 : 0, 1);
    if (sceneBias > 0)
        stream.writeWord(sceneBias, 16);
}

void FSGotoFrame2::decodeBody(FSStream& stream, int end) {
    stream.readBits(6, false);
    bool hasBias = stream.readBits(1, false) != 0;
    play = stream.readBits(1, false) != 0;
    sceneBias = hasBias ? stream.readWord(16, false) : 0;
    stream.requireWithin(end);
}

} // namespace transform
