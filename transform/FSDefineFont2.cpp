#include "transform/FSDefineFont2.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const AllocationFailure = "Cannot allocate memory";
const int LongestName = 255;
// A device font's glyph data: a glyph count of 0.
const int NoGlyphs = 2;
} // namespace

FSDefineFont2::FSDefineFont2(int identifier, const char* name, int flags)
    : FSDefineObject(DefineFont2, identifier), flags(flags), name(name ? name : ""),
      glyphData(AllocationFailure) {
    if (this->name.size() > LongestName)
        this->name.resize(LongestName);
    glyphData.resize(NoGlyphs);
}

FSDefineFont2::FSDefineFont2(FSStream& stream) : FSDefineFont2() { decode(stream); }

FSTransformObject* FSDefineFont2::clone() const { return allocateObject<FSDefineFont2>(AllocationFailure, *this); }

int FSDefineFont2::length(FSStream& stream) {
    FSMovieObject::length(stream);
    bodyLength += 2 + 1 + 1 + 1 + static_cast<int>(name.size()) + glyphData.size();
    return bodyLength;
}

void FSDefineFont2::encodeBody(FSStream& stream) {
    stream.writeWord(identifier, 16);
    stream.writeWord(flags, 8);
    stream.writeWord(language, 8);
    stream.writeWord(static_cast<int>(name.size()), 8);
    stream.writeBytes(reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
    glyphData.writeTo(stream);
}

void FSDefineFont2::decodeBody(FSStream& stream, int end) {
    identifier = stream.readWord(16, false);
    flags = stream.readWord(8, false);
    language = stream.readWord(8, false);
    int nameLength = stream.readWord(8, false);
    FSBytes bytes = stream.readBytes(nameLength);
    name.assign(reinterpret_cast<const char*>(bytes.data()), static_cast<size_t>(bytes.size()));
    stream.requireWithin(end);
    glyphData = stream.readBytes((end - stream.getPointer()) / 8);
}

} // namespace transform
