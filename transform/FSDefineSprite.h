#ifndef TRANSFORM_FSDEFINESPRITE_H
#define TRANSFORM_FSDEFINESPRITE_H

#include "transform/FSArray.h"
#include "transform/FSMovieObject.h"

namespace transform {

// A movie clip: a timeline of its own made of control tags (placing,
// actions, ShowFrame). The sprite owns its tags; the end tag is implied.
class FSDefineSprite : public FSDefineObject {
public:
    explicit FSDefineSprite(int identifier = 0) : FSDefineObject(DefineSprite, identifier) {}
    FSDefineSprite(const FSDefineSprite& other);
    explicit FSDefineSprite(FSStream& stream);
    FSDefineSprite& operator=(const FSDefineSprite&) = delete;
    ~FSDefineSprite() override;

    const char* className() const override { return "FSDefineSprite"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    // Takes ownership of the tag.
    void add(FSMovieObject* tag) { objects.append(tag); }
    // The ShowFrame tags among the sprite's tags.
    int frameCount() const;

    FSArray<FSMovieObject*> objects;
    // The frame count as read; encoding writes the ShowFrame count.
    int declaredFrameCount = 0;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
