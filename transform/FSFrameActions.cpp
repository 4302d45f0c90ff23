#include "transform/FSFrameActions.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory for action object.";
} // namespace

FSGotoFrame::FSGotoFrame(FSStream& stream) : FSGotoFrame() { decode(stream); }

FSTransformObject* FSGotoFrame::clone() const { return allocateObject<FSGotoFrame>(CopyFailure, *this); }

int FSGotoFrame::length(FSStream&) { return bodyLength = 2; }

void FSGotoFrame::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    stream.writeWord(frameNumber, 16);
}

void FSGotoFrame::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    int end = bodyEnd(stream);
    frameNumber = stream.readWord(16, false);
    stream.requireWithin(end);
}

FSWaitForFrame::FSWaitForFrame(FSStream& stream) : FSWaitForFrame() { decode(stream); }

FSTransformObject* FSWaitForFrame::clone() const { return allocateObject<FSWaitForFrame>(CopyFailure, *this); }

int FSWaitForFrame::length(FSStream&) { return bodyLength = 3; }

void FSWaitForFrame::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    stream.writeWord(frameNumber, 16);
    stream.writeWord(actionCount, 8);
}

void FSWaitForFrame::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    int end = bodyEnd(stream);
    frameNumber = stream.readWord(16, false);
    actionCount = stream.readWord(8, false);
    stream.requireWithin(end);
}

FSSetTarget::FSSetTarget(FSStream& stream) : FSSetTarget() { decode(stream); }

FSTransformObject* FSSetTarget::clone() const { return allocateObject<FSSetTarget>(CopyFailure, *this); }

int FSSetTarget::length(FSStream&) { return bodyLength = target.textSize(); }

void FSSetTarget::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    target.encodeText(stream);
}

void FSSetTarget::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    int end = bodyEnd(stream);
    target.decodeText(stream);
    stream.requireWithin(end);
}

FSGotoLabel::FSGotoLabel(FSStream& stream) : FSGotoLabel() { decode(stream); }

FSTransformObject* FSGotoLabel::clone() const { return allocateObject<FSGotoLabel>(CopyFailure, *this); }

int FSGotoLabel::length(FSStream&) { return bodyLength = label.textSize(); }

void FSGotoLabel::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    label.encodeText(stream);
}

void FSGotoLabel::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    int end = bodyEnd(stream);
    label.decodeText(stream);
    stream.requireWithin(end);
}

FSWaitForFrame2::FSWaitForFrame2(FSStream& stream) : FSWaitForFrame2() { decode(stream); }

FSTransformObject* FSWaitForFrame2::clone() const { return allocateObject<FSWaitForFrame2>(CopyFailure, *this); }

int FSWaitForFrame2::length(FSStream&) { return bodyLength = 1; }

void FSWaitForFrame2::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    stream.writeWord(actionCount, 8);
}

void FSWaitForFrame2::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    int end = bodyEnd(stream);
    actionCount = stream.readWord(8, false);
    stream.requireWithin(end);
}

FSCall::FSCall(FSStream& stream) : FSCall() { decode(stream); }

FSTransformObject* FSCall::clone() const { return allocateObject<FSCall>(CopyFailure, *this); }

int FSCall::length(FSStream&) { return bodyLength = 0; }

void FSCall::encode(FSStream& stream) { FSActionObject::encode(stream); }

void FSCall::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    bodyEnd(stream);
}

FSGotoFrame2::FSGotoFrame2(FSStream& stream) : FSGotoFrame2() { decode(stream); }

FSTransformObject* FSGotoFrame2::clone() const { return allocateObject<FSGotoFrame2>(CopyFailure, *this); }

int FSGotoFrame2::length(FSStream&) { return bodyLength = sceneBias > 0 ? 3 : 1; }

void FSGotoFrame2::encode(FSStream& stream) {
    FSActionObject::encode(stream);
    stream.writeBits(0, 6);
    stream.writeBits(sceneBias > 0 ? 1 : 0, 1);
    stream.writeBits(play ? 1 : 0, 1);
    if (sceneBias > 0)
        stream.writeWord(sceneBias, 16);
}

void FSGotoFrame2::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    FSActionObject::decode(stream);
    int end = bodyEnd(stream);
    stream.readBits(6, false);
    bool hasBias = stream.readBits(1, false) != 0;
    play = stream.readBits(1, false) != 0;
    sceneBias = hasBias ? stream.readWord(16, false) : 0;
    stream.requireWithin(end);
}

} // namespace transform
