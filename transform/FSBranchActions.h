#ifndef TRANSFORM_FSBRANCHACTIONS_H
#define TRANSFORM_FSBRANCHACTIONS_H

#include "transform/FSActionObject.h"

namespace transform {

// Branches by a signed 16-bit byte offset from the end of the record.
class FSBranchAction : public FSActionObject {
public:
    int length(FSStream& stream) final;

    int offset;

protected:
    FSBranchAction(int type, int offset) : FSActionObject(type), offset(offset) {}

private:
    void encodeBody(FSStream& stream) final;
    void decodeBody(FSStream& stream, int end) final;
};

// Branches always.
class FSJump : public FSBranchAction {
public:
    explicit FSJump(int offset = 0) : FSBranchAction(0x99, offset) {}
    explicit FSJump(FSStream& stream);

    const char* className() const override { return "FSJump"; }
    FSTransformObject* clone() const override;
};

// Branches when the value on the stack is true.
class FSIf : public FSBranchAction {
public:
    explicit FSIf(int offset = 0) : FSBranchAction(0x9D, offset) {}
    explicit FSIf(FSStream& stream);

    const char* className() const override { return "FSIf"; }
    FSTransformObject* clone() const override;
};

} // namespace transform

#endif
