#include "transform/FSTable.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory for action object.";
} // namespace

FSTable::FSTable(FSStream& stream) : FSTable() { decode(stream); }

FSTransformObject* FSTable::clone() const { return allocateObject<FSTable>(CopyFailure, *this); }

int FSTable::length(FSStream&) {
    bodyLength = 2;
    for (const FSString& value : values)
        bodyLength += value.textSize();
    return bodyLength;
}

void FSTable::encodeBody(FSStream& stream) {
    stream.writeWord(values.getCount(), 16);
    for (const FSString& value : values)
        value.encodeText(stream);
}

void FSTable::decodeBody(FSStream& stream, int end) {
    int count = stream.readWord(16, false);
    values = FSArray<FSString>();
    bodyLength = 2;
    for (int i = 0; i < count; ++i) {
        FSString value;
        value.decodeText(stream);
        stream.requireWithin(end);
        bodyLength += value.textSize();
        values.append(value);
    }
    stream.requireWithin(end);
}

} // namespace transform
