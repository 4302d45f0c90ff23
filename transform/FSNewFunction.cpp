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

void FSNewFunction::encode(FSStream& stream) {
    int listSize = measuredListSize(actions);
    encodeHeader(stream, bodyLength - listSize);
    name.encodeText(stream);
    stream.writeWord(arguments.getCount(), 16);
    for (const FSString& argument : arguments)
        argument.encodeText(stream);
    stream.writeWord(listSize, 16);
    encodeActionList(actions, stream);
}

void FSNewFunction::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    deleteElements(actions);
    actions = FSActionList();
    arguments = FSArray<FSString>();
    FSActionObject::decode(stream);
    int headerEnd = bodyEnd(stream);
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
