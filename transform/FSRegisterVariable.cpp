#include "transform/FSRegisterVariable.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSRegisterVariable::FSRegisterVariable(FSStream& stream) : FSRegisterVariable() { decode(stream); }

FSTransformObject* FSRegisterVariable::clone() const {
    return allocateObject<FSRegisterVariable>("Cannot allocate memory", *this);
}

int FSRegisterVariable::length(FSStream&) { return 1 + name.textSize(); }

void FSRegisterVariable::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    stream.writeWord(registerNumber, 8);
    name.encodeText(stream);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSRegisterVariable::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    registerNumber = stream.readWord(8, false);
    name.decodeText(stream);
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
