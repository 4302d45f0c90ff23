#include "transform/FSPushValues.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

template <int Kind, typename Field>
const char* FSPushValue<Kind, Field>::className() const {
    switch (Kind) {
    case Integer: return "FSInteger";
    case Double: return "FSDouble";
    case Boolean: return "FSBoolean";
    case Null: return "FSNull";
    case Void: return "FSVoid";
    case RegisterIndex: return "FSRegisterIndex";
    default: return "FSTableIndex";
    }
}

template <int Kind, typename Field>
FSTransformObject* FSPushValue<Kind, Field>::clone() const {
    return allocateObject<FSPushValue>("Cannot allocate new data type for FSPush object.", *this);
}

// The bytes the value encodes to, its type byte included.
template <int Kind, typename Field>
int FSPushValue<Kind, Field>::length(FSStream&) {
    return (Kind == Null || Kind == Void) ? 1 : size();
}

// As length(), but the values without a field report 2.
template <int Kind, typename Field>
int FSPushValue<Kind, Field>::size() const {
    if constexpr (Kind == TableIndex)
        return this->index < 256 ? 2 : 3;
    else
        return Kind == Integer ? 5 : (Kind == Double ? 9 : 2);
}

template <int Kind, typename Field>
void FSPushValue<Kind, Field>::encodeRecord(FSStream& stream) {
    if constexpr (Kind == TableIndex)
        type = this->index < 256 ? TableIndex : LongTableIndex;
    stream.writeWord(type, 8);
    if constexpr (Kind == Integer)
        stream.writeWord(this->value, 32);
    else if constexpr (Kind == Double)
        stream.writeDouble(this->value);
    else if constexpr (Kind == Boolean)
        stream.writeWord(this->value ? 1 : 0, 8);
    else if constexpr (Kind == RegisterIndex)
        stream.writeWord(this->index, 8);
    else if constexpr (Kind == TableIndex)
        stream.writeWord(this->index, type == TableIndex ? 8 : 16);
}

template <int Kind, typename Field>
void FSPushValue<Kind, Field>::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    if constexpr (Kind == Integer)
        this->value = stream.readWord(32, true);
    else if constexpr (Kind == Double)
        this->value = stream.readDouble();
    else if constexpr (Kind == Boolean)
        this->value = stream.readWord(8, false) == 1;
    else if constexpr (Kind == RegisterIndex)
        this->index = stream.readWord(8, false);
    else if constexpr (Kind == TableIndex)
        this->index = stream.readWord(type == TableIndex ? 8 : 16, false);
}

template class FSPushValue<FSValue::Integer, FSValueField<int>>;
template class FSPushValue<FSValue::Double, FSValueField<double>>;
template class FSPushValue<FSValue::Boolean, FSValueField<bool>>;
template class FSPushValue<FSValue::Null, FSNoField>;
template class FSPushValue<FSValue::Void, FSNoField>;
template class FSPushValue<FSValue::RegisterIndex, FSIndexField>;
template class FSPushValue<FSValue::TableIndex, FSIndexField>;

} // namespace transform
