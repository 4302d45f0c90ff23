#ifndef TRANSFORM_FSUNKNOWNRECORD_H
#define TRANSFORM_FSUNKNOWNRECORD_H

#include "transform/FSRawBody.h"

namespace transform {

// A record the library does not model, kept as its body bytes so that a
// movie read in can be written out unchanged: FSUnknownTag among the tags,
// FSUnknownAction among the actions.
template <typename Record>
class FSUnknownRecord final : public FSRawBody<Record> {
public:
    FSUnknownRecord();
    // The record keeps a copy of `count` body bytes.
    FSUnknownRecord(int code, const unsigned char* bytes, int count);
    explicit FSUnknownRecord(FSStream& stream);
    FSUnknownRecord(const FSUnknownRecord&) = default;
    FSUnknownRecord& operator=(const FSUnknownRecord&) = delete;

    const char* className() const override;
    FSTransformObject* clone() const override;

protected:
    // The reader also reads the End tag as one; the observer hears only of
    // the movie's modelled tags.
    bool reportsCoding() const override { return false; }
};

using FSUnknownTag = FSUnknownRecord<FSMovieObject>;
using FSUnknownAction = FSUnknownRecord<FSActionObject>;

} // namespace transform

#endif
