#ifndef TRANSFORM_FSFRAMEACTIONS_H
#define TRANSFORM_FSFRAMEACTIONS_H

#include "transform/FSActionObject.h"

namespace transform {

// The action records that move the timeline or wait for frames, besides
// the one-field FSGotoFrame, FSSetTarget and FSGotoLabel (FSOneFieldActions.h).

class FSWaitForFrame : public FSActionObject {
public:
    explicit FSWaitForFrame(int frameNumber = 1, int actionCount = 0)
        : FSActionObject(0x8A), frameNumber(frameNumber), actionCount(actionCount) {}
    explicit FSWaitForFrame(FSStream& stream);

    const char* className() const override { return "FSWaitForFrame"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int frameNumber;
    int actionCount;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

class FSWaitForFrame2 : public FSActionObject {
public:
    explicit FSWaitForFrame2(int actionCount = 0) : FSActionObject(0x8D), actionCount(actionCount) {}
    explicit FSWaitForFrame2(FSStream& stream);

    const char* className() const override { return "FSWaitForFrame2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int actionCount;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

// Runs the actions of the frame named on the stack.
class FSCall : public FSActionObject {
public:
    FSCall() : FSActionObject(0x9E) {}
    explicit FSCall(FSStream& stream);

    const char* className() const override { return "FSCall"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

// Goes to the frame named on the stack, with an optional scene bias.
class FSGotoFrame2 : public FSActionObject {
public:
    explicit FSGotoFrame2(bool play = false, int sceneBias = 0)
        : FSActionObject(0x9F), play(play), sceneBias(sceneBias) {}
    explicit FSGotoFrame2(FSStream& stream);

    const char* className() const override { return "FSGotoFrame2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    bool play;
    int sceneBias;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
