#ifndef TRANSFORM_FSREGISTERVARIABLE_H
#define TRANSFORM_FSREGISTERVARIABLE_H

#include "transform/FSString.h"
#include "transform/FSTransformObject.h"

namespace transform {

// An argument of FSNewFunction2: the register it is stored in and its name.
class FSRegisterVariable : public FSTransformObject {
public:
    FSRegisterVariable(int registerNumber = 0, const char* name = nullptr)
        : registerNumber(registerNumber), name(name) {}
    FSRegisterVariable(const FSRegisterVariable&) = default;
    FSRegisterVariable& operator=(const FSRegisterVariable&) = default;
    explicit FSRegisterVariable(FSStream& stream);

    const char* className() const override { return "FSRegisterVariable"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int registerNumber;
    FSString name;

protected:
    bool reportsCoding() const override { return true; }
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

} // namespace transform

#endif
