#include "transform/FSNewFunction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSNewFunction::FSNewFunction(FSStream& stream) : FSNewFunction() { decode(stream); }

FSTransformObject* FSNewFunction::clone() const {
    return allocateObject<FSNewFunction>("Cannot allocate memory for action object.", *this);
}

int FSNewFunction::fieldsLength(FSStream&) {
    int size = name.textSize() + 2;
    for (const FSString& argument : arguments)
        size += argument.textSize();
    return size;
}

void FSNewFunction::encodeFields(FSStream& stream) {
    name.encodeText(stream);
    stream.writeWord(arguments.getCount(), 16);
    for (const FSString& argument : arguments)
        argument.encodeText(stream);
}

void FSNewFunction::decodeFields(FSStream& stream, int headerEnd) {
    arguments = FSArray<FSString>();
    name.decodeText(stream);
    int count = stream.readWord(16, false);
    for (int i = 0; i < count; ++i) {
        FSString argument;
        argument.decodeText(stream);
        stream.requireWithin(headerEnd);
        arguments.append(argument);
    }
}

} // namespace transform
