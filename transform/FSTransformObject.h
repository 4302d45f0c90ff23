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
    // Writes the object at the stream's pointer. Objects that report coding
    // tell the stream's observer where they begin and end.
    void encode(FSStream& stream);
    // Reads the object at the pointer, replacing its fields; a failed read
    // names the object.
    void decode(FSStream& stream);

protected:
    FSTransformObject() = default;
    FSTransformObject(const FSTransformObject&) = default;
    FSTransformObject& operator=(const FSTransformObject&) = default;

    virtual bool reportsCoding() const { return false; }
    // The whole encoding: tags and actions write and read their record
    // header here, then their body.
    virtual void encodeRecord(FSStream& stream) = 0;
    virtual void decodeRecord(FSStream& stream) = 0;
};

} // namespace transform

#endif
