#ifndef TRANSFORM_FSPUSHVALUES_H
#define TRANSFORM_FSPUSHVALUES_H

#include "transform/FSValue.h"

namespace transform {

// The push values other than strings. Each encodes as its type byte and a
// fixed-size body.

class FSInteger : public FSValue {
public:
    explicit FSInteger(int value = 0) : FSValue(Integer), value(value) {}
    explicit FSInteger(FSStream& stream);

    const char* className() const override { return "FSInteger"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return 5; }

    int value;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

class FSDouble : public FSValue {
public:
    explicit FSDouble(double value = 0.0) : FSValue(Double), value(value) {}
    explicit FSDouble(FSStream& stream);

    const char* className() const override { return "FSDouble"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return 9; }

    double value;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

class FSBoolean : public FSValue {
public:
    explicit FSBoolean(bool value = false) : FSValue(Boolean), value(value) {}
    explicit FSBoolean(FSStream& stream);

    const char* className() const override { return "FSBoolean"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return 2; }

    bool value;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

class FSNull : public FSValue {
public:
    FSNull() : FSValue(Null) {}
    explicit FSNull(FSStream& stream);

    const char* className() const override { return "FSNull"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return 2; }

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

class FSVoid : public FSValue {
public:
    FSVoid() : FSValue(Void) {}
    explicit FSVoid(FSStream& stream);

    const char* className() const override { return "FSVoid"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return 2; }

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

class FSRegisterIndex : public FSValue {
public:
    explicit FSRegisterIndex(int index = 0) : FSValue(RegisterIndex), index(index) {}
    explicit FSRegisterIndex(FSStream& stream);

    const char* className() const override { return "FSRegisterIndex"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return 2; }

    int index;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

// An index into the action table: type 8 with a UI8 below 256, otherwise
// type 9 with a UI16. The type follows the index at every encoding.
class FSTableIndex : public FSValue {
public:
    explicit FSTableIndex(int index = 0) : FSValue(TableIndex), index(index) {}
    explicit FSTableIndex(FSStream& stream);

    const char* className() const override { return "FSTableIndex"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return index < 256 ? 2 : 3; }

    int index;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

} // namespace transform

#endif
