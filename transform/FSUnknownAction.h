#ifndef TRANSFORM_FSUNKNOWNACTION_H
#define TRANSFORM_FSUNKNOWNACTION_H

#include "transform/FSActionObject.h"
#include "transform/FSBytes.h"


namespace transform {

// An action record the library does not model, kept as its body bytes.
class FSUnknownAction : public FSActionObject {
public:
    FSUnknownAction();
    // The action keeps a copy of `count` body bytes.
    FSUnknownAction(int code, const unsigned char* bytes, int count);
    FSUnknownAction(const FSUnknownAction&) = default;
    explicit FSUnknownAction(FSStream& stream);
    FSUnknownAction& operator=(const FSUnknownAction&) = delete;

    const char* className() const override { return "FSUnknownAction"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSBytes data;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
