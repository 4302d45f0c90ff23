#include "transform/FSDefineFont2.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

#include <algorithm>

namespace transform {

namespace {
const char* const AllocationFailure = "Cannot allocate memory";
const int LongestName = 255;
} // namespace

FSDefineFont2::FSDefineFont2(int identifier, const char* name, int flags)
    : FSDefineObject(DefineFont2, identifier), flags(flags), name(name ? name : ""),
      glyphData(allocateBytes(2, AllocationFailure)) {
    if (this->name.size() > LongestName)
        this->name.resize(LongestName);
    std::fill_n(glyphData.get(), 2, 0);
}

FSDefineFont2::FSDefineFont2(const FSDefineFont2& other)
    : FSDefineObject(other), flags(other.flags), language(other.language), name(other.name),
      glyphData(duplicateBytes(other.glyphData.get(), other.glyphDataLength, AllocationFailure)),
      glyphDataLength(other.glyphDataLength) {}

FSDefineFont2::FSDefineFont2(FSStream& stream) : FSDefineFont2() { decode(stream); }

FSTransformObject* FSDefineFont2::clone() const { return allocateObject<FSDefineFont2>(AllocationFailure, *this); }

int FSDefineFont2::length(FSStream& stream) {
    FSMovieObject::length(stream);
    bodyLength += 2 + 1 + 1 + 1 + static_cast<int>(name.size()) + glyphDataLength;
    return bodyLength;
}

void FSDefineFont2::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    FSMovieObject::encode(stream);
    stream.writeWord(identifier, 16);
    stream.writeWord(flags, 8);
    stream.writeWord(language, 8);
    stream.writeWord(static_cast<int>(name.size()), 8);
    stream.writeBytes(reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
    stream.writeBytes(glyphData.get(), glyphDataLength);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSDefineFont2::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    FSMovieObject::decode(stream);
    int end = bodyEnd(stream);
    identifier = stream.readWord(16, false);
    flags = stream.readWord(8, false);
    language = stream.readWord(8, false);
    int nameLength = stream.readWord(8, false);
    auto bytes = stream.readBytes(nameLength);
    name.assign(reinterpret_cast<const char*>(bytes.get()), nameLength);
    stream.requireWithin(end);
    glyphDataLength = (end - stream.getPointer()) / 8;
    glyphData = stream.readBytes(glyphDataLength);
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
