#ifndef TRANSFORM_FSPLACEOBJECT2_H
#define TRANSFORM_FSPLACEOBJECT2_H

#include "transform/FSBytes.h"
#include "transform/FSMatrix.h"
#include "transform/FSMovieObject.h"
#include "transform/FSString.h"


namespace transform {

// Places a character on the display list at a depth, or moves (and may
// replace) what is there. A colour transform and clip actions are not
// modelled: when present they and what follows them stay as read.
class FSPlaceObject2 : public FSMovieObject {
public:
    enum Flags { Move = 0x01, HasCharacter = 0x02, HasMatrix = 0x04, HasColorTransform = 0x08, HasRatio = 0x10,
                 HasName = 0x20, HasClipDepth = 0x40, HasClipActions = 0x80 };

    FSPlaceObject2() : FSMovieObject(PlaceObject2) {}
    // A new character at `depth`, optionally named for the actions.
    FSPlaceObject2(int character, int depth, const FSMatrix& matrix, const char* name = nullptr);
    FSPlaceObject2(const FSPlaceObject2&) = default;
    explicit FSPlaceObject2(FSStream& stream);
    FSPlaceObject2& operator=(const FSPlaceObject2&) = delete;

    // Moves what is at `depth` to a new placement.
    static FSPlaceObject2* moveTo(int depth, const FSMatrix& matrix);

    const char* className() const override { return "FSPlaceObject2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int flags = 0;
    int depth = 0;
    int character = 0;
    FSMatrix matrix;
    int ratio = 0;
    FSString name;
    int clipDepth = 0;
    FSBytes unmodelled;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;

private:
    bool unmodelledFrom(int flag) const;
};

} // namespace transform

#endif
