#include "transform/FSSoundStreamBlock.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory to copy an FSSoundStreamBlock.";
} // namespace

FSSoundStreamBlock::FSSoundStreamBlock(std::unique_ptr<unsigned char[]> bytes, int count)
    : FSMovieObject(SoundStreamBlock), data(std::move(bytes)), size(data ? count : 0) {}

FSSoundStreamBlock::FSSoundStreamBlock(const FSSoundStreamBlock& other)
    : FSMovieObject(other), data(duplicateBytes(other.data.get(), other.size, CopyFailure)), size(other.size) {}

FSSoundStreamBlock::FSSoundStreamBlock(FSStream& stream) : FSSoundStreamBlock() { decode(stream); }

FSTransformObject* FSSoundStreamBlock::clone() const { return allocateObject<FSSoundStreamBlock>(CopyFailure, *this); }

int FSSoundStreamBlock::length(FSStream& stream) {
    FSMovieObject::length(stream);
    return bodyLength = size;
}

void FSSoundStreamBlock::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    FSMovieObject::encode(stream);
    stream.writeBytes(data.get(), size);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSSoundStreamBlock::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    FSMovieObject::decode(stream);
    bodyEnd(stream);
    data = stream.readBytes(bodyLength);
    size = bodyLength;
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
