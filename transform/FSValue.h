#ifndef TRANSFORM_FSVALUE_H
#define TRANSFORM_FSVALUE_H

#include "transform/FSTransformObject.h"

namespace transform {

// A value of a push action: its type byte, then its body.
class FSValue : public FSTransformObject {
public:
    enum Type {
        String = 0,
        Float = 1,
        Null = 2,
        Void = 3,
        RegisterIndex = 4,
        Boolean = 5,
        Double = 6,
        Integer = 7,
        TableIndex = 8,
        LongTableIndex = 9,
    };

    // Characters for a string; a fixed size for the other values.
    virtual int size() const = 0;

    int type;

protected:
    explicit FSValue(int type) : type(type) {}
    FSValue(const FSValue&) = default;
    FSValue& operator=(const FSValue&) = default;
};

} // namespace transform

#endif
