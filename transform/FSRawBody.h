#ifndef TRANSFORM_FSRAWBODY_H
#define TRANSFORM_FSRAWBODY_H

#include "transform/FSActionObject.h"
#include "transform/FSBytes.h"
#include "transform/FSMovieObject.h"

namespace transform {

// A record whose body is its bytes, exactly as they are written and read:
// a tag (`Record` FSMovieObject) or an action (FSActionObject).
template <typename Record>
class FSRawBody : public Record {
public:
    int length(FSStream& stream) override;

    const unsigned char* getData() const { return body.data(); }
    int getSize() const { return body.size(); }
    const FSBytes& getBody() const { return body; }

protected:
    // Copies that cannot be allocated throw `copyFailure`.
    FSRawBody(int type, const char* copyFailure) : Record(type), body(copyFailure) {}
    FSRawBody(int type, const char* copyFailure, FSBytes bytes);

    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;

private:
    FSBytes body;
};

using FSRawBodyTag = FSRawBody<FSMovieObject>;

} // namespace transform

#endif
