#ifndef TRANSFORM_FSUNKNOWNTAG_H
#define TRANSFORM_FSUNKNOWNTAG_H

#include "transform/FSMovieObject.h"

#include <memory>

namespace transform {

// A tag the library does not model, kept as its body bytes so that a movie
// read in can be written out unchanged.
class FSUnknownTag : public FSMovieObject {
public:
    FSUnknownTag() : FSMovieObject(0) {}
    // The tag keeps a copy of `count` body bytes.
    FSUnknownTag(int code, const unsigned char* bytes, int count);
    FSUnknownTag(const FSUnknownTag& other);
    explicit FSUnknownTag(FSStream& stream);
    FSUnknownTag& operator=(const FSUnknownTag&) = delete;

    const char* className() const override { return "FSUnknownTag"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    const unsigned char* getData() const { return data.get(); }
    int getSize() const { return size; }

private:
    std::unique_ptr<unsigned char[]> data;
    int size = 0;
};

} // namespace transform

#endif
