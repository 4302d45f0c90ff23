#ifndef TRANSFORM_FSTRANSFORMOBJECT_H
#define TRANSFORM_FSTRANSFORMOBJECT_H

namespace transform {

class FSStream;

// The root of every object that measures, encodes and decodes itself.
class FSTransformObject {
public:
    virtual ~FSTransformObject() = default;

    virtual const char* className() const = 0;
    virtual FSTransformObject* clone() const = 0;
    // The size in bytes of the encoded body (tags and actions: without their
    // record header); cached in the object's length field where it has one.
    virtual int length(FSStream& stream) = 0;
    virtual void encode(FSStream& stream) = 0;
    virtual void decode(FSStream& stream) = 0;

protected:
    FSTransformObject() = default;
    FSTransformObject(const FSTransformObject&) = default;
    FSTransformObject& operator=(const FSTransformObject&) = default;
};

} // namespace transform

#endif
