#ifndef TRANSFORM_FSUNKNOWNTAG_H
#define TRANSFORM_FSUNKNOWNTAG_H

#include "transform/FSRawBodyTag.h"

namespace transform {

// A tag the library does not model, kept as its body bytes so that a movie
// read in can be written out unchanged.
class FSUnknownTag : public FSRawBodyTag {
public:
    FSUnknownTag();
    // The tag keeps a copy of `count` body bytes.
    FSUnknownTag(int code, const unsigned char* bytes, int count);
    explicit FSUnknownTag(FSStream& stream);
    FSUnknownTag(const FSUnknownTag&) = default;
    FSUnknownTag& operator=(const FSUnknownTag&) = delete;

    const char* className() const override { return "FSUnknownTag"; }
    FSTransformObject* clone() const override;

protected:
    // The reader also reads the End tag as one; the observer hears only of
    // the movie's modelled tags.
    bool reportsCoding() const override { return false; }
};

} // namespace transform

#endif
