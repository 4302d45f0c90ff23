#ifndef TRANSFORM_FSMOVIEOBJECT_H
#define TRANSFORM_FSMOVIEOBJECT_H

#include "transform/FSTransformObject.h"

namespace transform {

// A tag of the movie body. encode and decode write and read the tag header
// and leave the body to the subclass.
class FSMovieObject : public FSTransformObject {
public:
    enum Code {
        End = 0,
        ShowFrame = 1,
        SetBackgroundColor = 9,
        DoAction = 12,
        DefineSound = 14,
        SoundStreamBlock = 19,
        SoundStreamHead2 = 45,
        DefineShape = 2,
        PlaceObject2 = 26,
        DefineEditText = 37,
        DefineSprite = 39,
        DefineFont2 = 48,
    };

    // The short header's 6-bit length field holds lengths below this value;
    // this value itself escapes to the long header, whose 32-bit length
    // follows.
    static constexpr int LongHeaderEscape = 63;

    // Sets the stream's tag code and resets the cached body length;
    // subclasses then add their body.
    int length(FSStream& stream) override;

    // Bytes of the header that encode writes for the cached length.
    int headerSize() const { return (!extendLength && bodyLength < LongHeaderEscape) ? 2 : 6; }

    int type;
    // The body length in bytes, cached by length().
    int bodyLength = 0;
    // When set the long header is written even for a short body.
    bool extendLength = false;

protected:
    explicit FSMovieObject(int type) : type(type) {}
    FSMovieObject(const FSMovieObject&) = default;
    FSMovieObject& operator=(const FSMovieObject&) = default;

    bool reportsCoding() const override { return true; }
    virtual void encodeBody(FSStream& stream) = 0;
    // `end` is the bit position where the body ends, already checked to lie
    // within the data.
    virtual void decodeBody(FSStream& stream, int end) = 0;

private:
    void encodeRecord(FSStream& stream) final;
    void decodeRecord(FSStream& stream) final;
};

// A tag that defines something under an identifier.
class FSDefineObject : public FSMovieObject {
public:
    int identifier = 0;

protected:
    FSDefineObject(int type, int identifier) : FSMovieObject(type), identifier(identifier) {}
    FSDefineObject(const FSDefineObject&) = default;
    FSDefineObject& operator=(const FSDefineObject&) = default;
};

} // namespace transform

#endif
