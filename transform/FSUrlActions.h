#ifndef TRANSFORM_FSURLACTIONS_H
#define TRANSFORM_FSURLACTIONS_H

#include "transform/FSActionObject.h"
#include "transform/FSString.h"

namespace transform {

// Loads a URL into a target window or level.
class FSGetUrl : public FSActionObject {
public:
    FSGetUrl(const char* url = nullptr, const char* target = nullptr) : FSActionObject(0x83), url(url), target(target) {}
    explicit FSGetUrl(FSStream& stream);

    const char* className() const override { return "FSGetUrl"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSString url;
    FSString target;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

// Loads the URL named on the stack; the flags choose the method and target.
class FSGetUrl2 : public FSActionObject {
public:
    explicit FSGetUrl2(int requestFlags = 0) : FSActionObject(0x9A), requestFlags(requestFlags) {}
    explicit FSGetUrl2(FSStream& stream);

    const char* className() const override { return "FSGetUrl2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int requestFlags;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
