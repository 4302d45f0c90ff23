#include "transform/FSPlaceObject2.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const AllocationFailure = "Cannot allocate memory";
} // namespace

FSPlaceObject2::FSPlaceObject2(int character, int depth, const FSMatrix& matrix, const char* name)
    : FSMovieObject(PlaceObject2), flags(HasCharacter | HasMatrix | (name ? HasName : 0)), depth(depth),
      character(character), matrix(matrix), name(name) {}

FSPlaceObject2::FSPlaceObject2(FSStream& stream) : FSPlaceObject2() { decode(stream); }

FSPlaceObject2* FSPlaceObject2::moveTo(int depth, const FSMatrix& matrix) {
    auto* place = allocateObject<FSPlaceObject2>(AllocationFailure);
    place->flags = Move | HasMatrix;
    place->depth = depth;
    place->matrix = matrix;
    return place;
}

FSTransformObject* FSPlaceObject2::clone() const { return allocateObject<FSPlaceObject2>(AllocationFailure, *this); }

// Fields from `flag` on are kept as raw bytes once anything unmodelled
// comes before or at them.
bool FSPlaceObject2::unmodelledFrom(int flag) const {
    return (flags & HasColorTransform) && flag >= HasColorTransform;
}

int FSPlaceObject2::length(FSStream& stream) {
    FSMovieObject::length(stream);
    bodyLength += 3;
    if (flags & HasCharacter)
        bodyLength += 2;
    if (flags & HasMatrix)
        bodyLength += matrix.length(stream);
    if (!unmodelledFrom(HasRatio)) {
        if (flags & HasRatio)
            bodyLength += 2;
        if (flags & HasName)
            bodyLength += name.textSize();
        if (flags & HasClipDepth)
            bodyLength += 2;
    }
    bodyLength += unmodelled.size();
    return bodyLength;
}

void FSPlaceObject2::encodeBody(FSStream& stream) {
    stream.writeWord(flags, 8);
    stream.writeWord(depth, 16);
    if (flags & HasCharacter)
        stream.writeWord(character, 16);
    if (flags & HasMatrix)
        matrix.encode(stream);
    if (!unmodelledFrom(HasRatio)) {
        if (flags & HasRatio)
            stream.writeWord(ratio, 16);
        if (flags & HasName)
            name.encodeText(stream);
        if (flags & HasClipDepth)
            stream.writeWord(clipDepth, 16);
    }
    unmodelled.writeTo(stream);
}

void FSPlaceObject2::decodeBody(FSStream& stream, int end) {
    flags = stream.readWord(8, false);
    depth = stream.readWord(16, false);
    if (flags & HasCharacter)
        character = stream.readWord(16, false);
    if (flags & HasMatrix)
        matrix.decode(stream);
    if (!unmodelledFrom(HasRatio)) {
        if (flags & HasRatio)
            ratio = stream.readWord(16, false);
        if (flags & HasName)
            name.decodeText(stream);
        if (flags & HasClipDepth)
            clipDepth = stream.readWord(16, false);
    }
    stream.requireWithin(end);
    unmodelled = stream.readBytes((end - stream.getPointer()) / 8);
}

} // namespace transform
