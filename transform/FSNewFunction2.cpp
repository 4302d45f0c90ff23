#include "transform/FSNewFunction2.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSNewFunction2::FSNewFunction2(const FSNewFunction2& other)
    : FSActionObject(other), name(other.name), registerCount(other.registerCount),
      optimisationFlags(other.optimisationFlags), arguments(other.arguments),
      actions(cloneElements(other.actions)) {}

FSNewFunction2::FSNewFunction2(FSStream& stream) : FSNewFunction2() { decode(stream); }

FSNewFunction2::~FSNewFunction2() { deleteElements(actions); }

FSTransformObject* FSNewFunction2::clone() const {
    return allocateObject<FSNewFunction2>("Cannot allocate memory for action object.", *this);
}

int FSNewFunction2::length(FSStream& stream) {
    bodyLength = name.textSize() + 5;
    for (FSRegisterVariable& argument : arguments)
        bodyLength += argument.length(stream);
    bodyLength += 2 + actionListSize(actions, stream);
    return bodyLength;
}

// The action list follows the record rather than belonging to it.
int FSNewFunction2::headerLength() const { return bodyLength - measuredListSize(actions); }

void FSNewFunction2::encodeBody(FSStream& stream) {
    name.encodeText(stream);
    stream.writeWord(arguments.getCount(), 16);
    stream.writeWord(registerCount, 8);
    stream.writeBits(optimisationFlags, 16);
    for (FSRegisterVariable& argument : arguments)
        argument.encode(stream);
    stream.writeWord(measuredListSize(actions), 16);
    encodeActionList(actions, stream);
}

void FSNewFunction2::decodeBody(FSStream& stream, int headerEnd) {
    deleteElements(actions);
    actions = FSActionList();
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
    bodyLength += decodeTrailingActionList(stream, actions, headerEnd);
}

} // namespace transform
