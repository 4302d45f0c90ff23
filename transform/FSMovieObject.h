#ifndef TRANSFORM_FSMOVIEOBJECT_H
#define TRANSFORM_FSMOVIEOBJECT_H

#include "transform/FSTransformObject.h"

namespace transform {

// A tag of the movie body. Its length, encode and decode handle the tag
// header; subclasses add their body after calling them.
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

    int length(FSStream& stream) override;
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    // Bytes of the header that encode writes for the cached length.
    int headerSize() const { return (!extendLength && bodyLength < 63) ? 2 : 6; }

    int type;
    // The body length in bytes, cached by length().
    int bodyLength = 0;
    // When set the long header is written even for a short body.
    bool extendLength = false;

protected:
    explicit FSMovieObject(int type) : type(type) {}
    FSMovieObject(const FSMovieObject&) = default;
    FSMovieObject& operator=(const FSMovieObject&) = default;

    // The bit position where the body of a just-decoded header ends.
    int bodyEnd(FSStream& stream) const;
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
