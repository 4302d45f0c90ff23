#ifndef TRANSFORM_FSACTIONOBJECT_H
#define TRANSFORM_FSACTIONOBJECT_H

#include "transform/FSTransformObject.h"

namespace transform {

// An action record: the code as UI8 and, for codes of 128 and more, the body
// length as UI16. encode and decode write and read that header and leave the
// body to the subclass.
class FSActionObject : public FSTransformObject {
public:
    int length(FSStream& stream) override;

    // The record's whole size for the cached length: header and body.
    int recordSize() const { return bodyLength + (type >= 128 ? 3 : 1); }

    // Whether a decoded record ends where what it read ends rather than
    // where its header's length says: true for the records that measure
    // themselves while decoding.
    virtual bool endsWhereDecodingEnds() const { return false; }

    int type;
    int bodyLength = 0;

protected:
    explicit FSActionObject(int type) : type(type) {}
    FSActionObject(const FSActionObject&) = default;
    FSActionObject& operator=(const FSActionObject&) = default;

    // The length the header declares: the body's, but for the records whose
    // action list follows the header rather than belonging to the body.
    virtual int headerLength() const { return bodyLength; }
    virtual void encodeBody(FSStream& stream) = 0;
    // `end` is the bit position where the declared body ends, already
    // checked to lie within the data.
    virtual void decodeBody(FSStream& stream, int end) = 0;

private:
    void encodeRecord(FSStream& stream) final;
    void decodeRecord(FSStream& stream) final;
};

} // namespace transform

#endif
