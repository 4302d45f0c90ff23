#ifndef TRANSFORM_FSACTIONOBJECT_H
#define TRANSFORM_FSACTIONOBJECT_H

#include "transform/FSTransformObject.h"

namespace transform {

// An action record: the code as UI8 and, for codes of 128 and more, the body
// length as UI16.
class FSActionObject : public FSTransformObject {
public:
    int length(FSStream& stream) override;
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    // The record's whole size for the cached length: header and body.
    int recordSize() const { return bodyLength + (type >= 128 ? 3 : 1); }

    int type;
    int bodyLength = 0;

protected:
    explicit FSActionObject(int type) : type(type) {}
    FSActionObject(const FSActionObject&) = default;
    FSActionObject& operator=(const FSActionObject&) = default;

    void encodeHeader(FSStream& stream, int headerLength) const;
    // The bit position where the body of a just-decoded header ends, checked
    // against the end of the data.
    int bodyEnd(FSStream& stream) const;
};

} // namespace transform

#endif
