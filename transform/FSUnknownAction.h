#ifndef TRANSFORM_FSUNKNOWNACTION_H
#define TRANSFORM_FSUNKNOWNACTION_H

#include "transform/FSActionObject.h"

#include <memory>

namespace transform {

// An action record the library does not model, kept as its body bytes.
class FSUnknownAction : public FSActionObject {
public:
    FSUnknownAction() : FSActionObject(0) {}
    // The action keeps a copy of `count` body bytes.
    FSUnknownAction(int code, const unsigned char* bytes, int count);
    FSUnknownAction(const FSUnknownAction& other);
    explicit FSUnknownAction(FSStream& stream);
    FSUnknownAction& operator=(const FSUnknownAction&) = delete;

    const char* className() const override { return "FSUnknownAction"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    std::unique_ptr<unsigned char[]> data;
};

} // namespace transform

#endif
