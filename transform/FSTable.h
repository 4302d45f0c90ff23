#ifndef TRANSFORM_FSTABLE_H
#define TRANSFORM_FSTABLE_H

#include "transform/FSActionObject.h"
#include "transform/FSArray.h"
#include "transform/FSString.h"

namespace transform {

// The constant pool that FSTableIndex values refer to.
class FSTable : public FSActionObject {
public:
    FSTable() : FSActionObject(0x88) {}
    explicit FSTable(const FSArray<FSString>& values) : FSActionObject(0x88), values(values) {}
    explicit FSTable(FSStream& stream);

    const char* className() const override { return "FSTable"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    // The strings, each read up to its NUL, measure the table.
    bool endsWhereDecodingEnds() const override { return true; }

    FSArray<FSString> values;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
