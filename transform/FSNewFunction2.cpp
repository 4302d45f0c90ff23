#include "transform/FSNewFunction2.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSNewFunction2::FSNewFunction2(FSStream& stream) : FSNewFunction2() { decode(stream); }

FSTransformObject* FSNewFunction2::clone() const {
    return allocateObject<FSNewFunction2>("Cannot allocate memory for action object.", *this);
}

int FSNewFunction2::fieldsLength(FSStream& stream) {
    int size = name.textSize() + 5;
    for (FSRegisterVariable& argument : arguments)
        size += argument.length(stream);
    return size;
}

void FSNewFunction2::encodeFields(FSStream& stream) {
    name.encodeText(stream);
    stream.writeWord(arguments.getCount(), 16);
    stream.writeWord(registerCount, 8);
    stream.writeBits(optimisationFlags, 16);
    for (FSRegisterVariable& argument : arguments)
        argument.encode(stream);
}

void FSNewFunction2::decodeFields(FSStream& stream, int headerEnd) {
    arguments = FSArray<FSRegisterVariable>();
    name.decodeText(stream);
    int count = stream.readWord(16, false);
    registerCount = stream.readWord(8, false);
    optimisationFlags = stream.readBits(16, false);
    for (int i = 0; i < count; ++i) {
        FSRegisterVariable argument;
        argument.decode(stream);
        stream.requireWithin(headerEnd);
        arguments.append(argument);
    }
}

} // namespace transform
