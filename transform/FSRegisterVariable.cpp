#include "transform/FSRegisterVariable.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSRegisterVariable::FSRegisterVariable(FSStream& stream) : FSRegisterVariable() { decode(stream); }

FSTransformObject* FSRegisterVariable::clone() const {
    return allocateObject<FSRegisterVariable>("Cannot allocate memory", *this);
}

int FSRegisterVariable::length(FSStream&) { return 1 + name.textSize(); }

void FSRegisterVariable::encodeRecord(FSStream& stream) {
    stream.writeWord(registerNumber, 8);
    name.encodeText(stream);
}

void FSRegisterVariable::decodeRecord(FSStream& stream) {
    registerNumber = stream.readWord(8, false);
    name.decodeText(stream);
}

} // namespace transform
