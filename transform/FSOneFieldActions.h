#ifndef TRANSFORM_FSONEFIELDACTIONS_H
#define TRANSFORM_FSONEFIELDACTIONS_H

#include "transform/FSActionObject.h"
#include "transform/FSString.h"

namespace transform {

// The fields of the one-field actions, under the names the actions give them.
struct FSFrameNumberField {
    using Type = int;
    int frameNumber = 1;
};
struct FSRegisterNumberField {
    using Type = int;
    int registerNumber = 0;
};
struct FSTargetField {
    using Type = const char*;
    FSString target;
};
struct FSLabelField {
    using Type = const char*;
    FSString label;
};

// An action record whose body is one field. `Code` is its action code; how
// each field is coded is in one place, FSOneFieldActions.cpp.
template <int Code, typename Field>
class FSOneFieldAction final : public FSActionObject, public Field {
public:
    FSOneFieldAction() : FSActionObject(Code) {}
    explicit FSOneFieldAction(typename Field::Type field) : FSActionObject(Code), Field{field} {}
    explicit FSOneFieldAction(FSStream& stream) : FSOneFieldAction() { decode(stream); }

    const char* className() const override;
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

using FSGotoFrame = FSOneFieldAction<0x81, FSFrameNumberField>;
// Copies the value on top of the stack into a register.
using FSRegisterCopy = FSOneFieldAction<0x87, FSRegisterNumberField>;
using FSSetTarget = FSOneFieldAction<0x8B, FSTargetField>;
using FSGotoLabel = FSOneFieldAction<0x8C, FSLabelField>;

} // namespace transform

#endif
