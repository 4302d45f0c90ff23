#ifndef TRANSFORM_FSPUSHVALUES_H
#define TRANSFORM_FSPUSHVALUES_H

#include "transform/FSValue.h"

namespace transform {

// The fields of the push values other than strings, under the names the
// values give them.
template <typename T>
struct FSValueField {
    using Type = T;
    T value{};
};
struct FSIndexField {
    using Type = int;
    int index = 0;
};
struct FSNoField {};

// A push value other than a string: its type byte, then a field of fixed
// size. `Kind` is the type it is created with; how each kind codes its field
// is in one place, FSPushValues.cpp.
template <int Kind, typename Field>
class FSPushValue final : public FSValue, public Field {
public:
    FSPushValue() : FSValue(Kind) {}
    template <typename F = Field>
    explicit FSPushValue(typename F::Type field) : FSValue(Kind), Field{field} {}
    explicit FSPushValue(FSStream& stream) : FSPushValue() { decode(stream); }

    const char* className() const override;
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

using FSInteger = FSPushValue<FSValue::Integer, FSValueField<int>>;
using FSDouble = FSPushValue<FSValue::Double, FSValueField<double>>;
using FSBoolean = FSPushValue<FSValue::Boolean, FSValueField<bool>>;
using FSNull = FSPushValue<FSValue::Null, FSNoField>;
using FSVoid = FSPushValue<FSValue::Void, FSNoField>;
using FSRegisterIndex = FSPushValue<FSValue::RegisterIndex, FSIndexField>;
// An index into the action table: type 8 with a UI8 below 256, otherwise
// type 9 with a UI16. The type follows the index at every encoding.
using FSTableIndex = FSPushValue<FSValue::TableIndex, FSIndexField>;

} // namespace transform

#endif
