#ifndef TRANSFORM_FSBRANCHACTIONS_H
#define TRANSFORM_FSBRANCHACTIONS_H

#include "transform/FSActionObject.h"

namespace transform {

// Branches by a signed byte offset from the end of the record.

class FSJump : public FSActionObject {
public:
    explicit FSJump(int offset = 0) : FSActionObject(0x99), offset(offset) {}
    explicit FSJump(FSStream& stream);

    const char* className() const override { return "FSJump"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int offset;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

// Branches when the value on the stack is true.
class FSIf : public FSActionObject {
public:
    explicit FSIf(int offset = 0) : FSActionObject(0x9D), offset(offset) {}
    explicit FSIf(FSStream& stream);

    const char* className() const override { return "FSIf"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int offset;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
