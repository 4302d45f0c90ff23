#ifndef TRANSFORM_FSREGISTERACTIONS_H
#define TRANSFORM_FSREGISTERACTIONS_H

#include "transform/FSActionObject.h"
#include "transform/FSArray.h"
#include "transform/FSString.h"

namespace transform {

// Copies the value on top of the stack into a register.
class FSRegisterCopy : public FSActionObject {
public:
    explicit FSRegisterCopy(int registerNumber = 0) : FSActionObject(0x87), registerNumber(registerNumber) {}
    explicit FSRegisterCopy(FSStream& stream);

    const char* className() const override { return "FSRegisterCopy"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int registerNumber;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

// The constant pool that FSTableIndex values refer to.
class FSTable : public FSActionObject {
public:
    FSTable() : FSActionObject(0x88) {}
    explicit FSTable(const FSArray<FSString>& values) : FSActionObject(0x88), values(values) {}
    explicit FSTable(FSStream& stream);

    const char* className() const override { return "FSTable"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSArray<FSString> values;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
