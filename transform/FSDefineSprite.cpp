#include "transform/FSDefineSprite.h"

#include "transform/FSAllocation.h"
#include "transform/FSMovieReader.h"
#include "transform/FSStream.h"

#include <memory>

namespace transform {

FSDefineSprite::FSDefineSprite(const FSDefineSprite& other)
    : FSDefineObject(other), objects(cloneElements(other.objects)), declaredFrameCount(other.declaredFrameCount) {}

FSDefineSprite::FSDefineSprite(FSStream& stream) : FSDefineSprite() { decode(stream); }

FSDefineSprite::~FSDefineSprite() { deleteElements(objects); }

FSTransformObject* FSDefineSprite::clone() const {
    return allocateObject<FSDefineSprite>("Cannot allocate memory", *this);
}

int FSDefineSprite::frameCount() const {
    int frames = 0;
    for (const FSMovieObject* tag : objects)
        frames += tag->type == ShowFrame;
    return frames;
}

int FSDefineSprite::length(FSStream& stream) {
    FSMovieObject::length(stream);
    int size = 4 + 2;
    for (FSMovieObject* tag : objects) {
        tag->length(stream);
        size += tag->headerSize() + tag->bodyLength;
    }
    bodyLength += size;
    return bodyLength;
}

void FSDefineSprite::encodeBody(FSStream& stream) {
    stream.writeWord(identifier, 16);
    stream.writeWord(frameCount(), 16);
    for (FSMovieObject* tag : objects)
        stream.checkedEncode(*tag);
    stream.writeWord(0, 16);
}

void FSDefineSprite::decodeBody(FSStream& stream, int end) {
    deleteElements(objects);
    objects = FSArray<FSMovieObject*>();
    identifier = stream.readWord(16, false);
    declaredFrameCount = stream.readWord(16, false);
    for (;;) {
        if (!stream.bytesLeft(end))
            stream.failDecoding("its tags run to the end of the sprite without an end tag.");
        int start = stream.getPointer();
        if (stream.readWord(16, false) == 0)
            break;
        stream.setPointer(start);
        std::unique_ptr<FSMovieObject> tag(decodeTag(stream));
        stream.requireWithin(end);
        objects.append(tag.get());
        tag.release();
    }
    stream.requireWithin(end);
}

} // namespace transform
