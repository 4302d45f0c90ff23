#include "transform/FSNewFunction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSNewFunction::FSNewFunction(const FSNewFunction& other)
    : FSActionObject(other), name(other.name), arguments(other.arguments), actions(cloneElements(other.actions)) {}

FSNewFunction::FSNewFunction(FSStream& stream) : FSNewFunction() { decode(stream); }

FSNewFunction::~FSNewFunction() { deleteElements(actions); }

FSTransformObject* FSNewFunction::clone() const {
    return allocateObject<FSNewFunction>("Cannot allocate memory for action object.", *this);
}

int FSNewFunction::length(FSStream& stream) {
    bodyLength = name.textSize() + 2;
    for (const FSString& argument : arguments)
        bodyLength += argument.textSize();
    bodyLength += 2 + actionListSize(actions, stream);
    return bodyLength;
}

// The action list follows the record rather than belonging to it.
int FSNewFunction::headerLength() const { return bodyLength - measuredListSize(actions); }

void FSNewFunction::encodeBody(FSStream& stream) {
    name.encodeText(stream);
    stream.writeWord(arguments.getCount(), 16);
    for (const FSString& argument : arguments)
        argument.encodeText(stream);
    stream.writeWord(measuredListSize(actions), 16);
    encodeActionList(actions, stream);
}

void FSNewFunction::decodeBody(FSStream& stream, int headerEnd) {
    deleteElements(actions);
    actions = FSActionList();
    arguments = FSArray<FSString>();
    name.decodeText(stream);
    int count = stream.readWord(16, false);
    for (int i = 0; i < count; ++i) {
        FSString argument;
        argument.decodeText(stream);
        stream.requireWithin(headerEnd);
        arguments.append(argument);
    }
    bodyLength += decodeTrailingActionList(stream, actions, headerEnd);
}

} // namespace transform
