#include "transform/FSPush.h"

#include "transform/FSAllocation.h"
#include "transform/FSPushValues.h"
#include "transform/FSStream.h"
#include "transform/FSString.h"

#include <memory>

namespace transform {

namespace {

const char* const ValueFailure = "Cannot allocate new data type for FSPush object.";

template <typename T>
FSValue* make() {
    return allocateObject<T>(ValueFailure);
}

FSValue* newValueFor(int type) {
    switch (type) {
    case FSValue::String: return make<FSString>();
    case FSValue::Float:
    case FSValue::Integer: return make<FSInteger>();
    case FSValue::Null: return make<FSNull>();
    case FSValue::Void: return make<FSVoid>();
    case FSValue::RegisterIndex: return make<FSRegisterIndex>();
    case FSValue::Boolean: return make<FSBoolean>();
    case FSValue::Double: return make<FSDouble>();
    case FSValue::TableIndex:
    case FSValue::LongTableIndex: return make<FSTableIndex>();
    default: throw FSAllocationException(ValueFailure);
    }
}

// The bytes a decoded value took, by its type byte.
int decodedSize(int type, const FSValue& value) {
    switch (type) {
    case FSValue::String: return value.size() + 2;
    case FSValue::Float:
    case FSValue::Integer: return 5;
    case FSValue::Null:
    case FSValue::Void: return 1;
    case FSValue::Double: return 9;
    case FSValue::LongTableIndex: return 3;
    default: return 2;
    }
}

} // namespace

FSPush::FSPush(const FSPush& other) : FSActionObject(other), values(cloneElements(other.values)) {}

FSPush::FSPush(FSStream& stream) : FSPush() { decode(stream); }

FSPush::~FSPush() { deleteElements(values); }

FSTransformObject* FSPush::clone() const {
    return allocateObject<FSPush>("Cannot allocate memory for action object.", *this);
}

int FSPush::length(FSStream& stream) {
    bodyLength = 0;
    for (FSValue* value : values)
        bodyLength += value->length(stream);
    return bodyLength;
}

void FSPush::encodeBody(FSStream& stream) {
    for (FSValue* value : values)
        value->encode(stream);
}

void FSPush::decodeBody(FSStream& stream, int end) {
    deleteElements(values);
    values = FSArray<FSValue*>();
    int remaining = bodyLength;
    while (remaining > 0) {
        int start = stream.getPointer();
        int type = stream.readWord(8, false);
        stream.setPointer(start);
        std::unique_ptr<FSValue> value(newValueFor(type));
        value->decode(stream);
        stream.requireWithin(end);
        remaining -= decodedSize(type, *value);
        values.append(value.get());
        value.release();
    }
}

} // namespace transform
