#ifndef TRANSFORM_FSRAWBODYTAG_H
#define TRANSFORM_FSRAWBODYTAG_H

#include "transform/FSBytes.h"
#include "transform/FSMovieObject.h"

namespace transform {

// A tag whose body is its bytes, exactly as they are written and read.
class FSRawBodyTag : public FSMovieObject {
public:
    int length(FSStream& stream) override;

    const unsigned char* getData() const { return body.data(); }
    int getSize() const { return body.size(); }
    const FSBytes& getBody() const { return body; }

protected:
    // Copies that cannot be allocated throw `copyFailure`.
    FSRawBodyTag(int type, const char* copyFailure) : FSMovieObject(type), body(copyFailure) {}
    FSRawBodyTag(int type, const char* copyFailure, FSBytes bytes);

    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;

private:
    FSBytes body;
};

} // namespace transform

#endif
