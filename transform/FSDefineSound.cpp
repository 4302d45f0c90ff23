#include "transform/FSDefineSound.h"

#include "transform/FSAllocation.h"
#include "transform/FSSoundFormat.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const CopyFailure = "Could not allocate memory to copy sound data.";
} // namespace

FSDefineSound::FSDefineSound(int identifier, int format, int rate, int channels, int sampleSize, int sampleCount,
                             std::unique_ptr<unsigned char[]> bytes, int count)
    : FSDefineObject(DefineSound, identifier), format(format), rate(rate), channels(channels),
      sampleSize(sampleSize), sampleCount(sampleCount), data(std::move(bytes)), dataSize(data ? count : 0) {}

FSDefineSound::FSDefineSound(const FSDefineSound& other)
    : FSDefineObject(other), format(other.format), rate(other.rate), channels(other.channels),
      sampleSize(other.sampleSize), sampleCount(other.sampleCount),
      data(duplicateBytes(other.data.get(), other.dataSize, CopyFailure)), dataSize(other.dataSize) {}

FSDefineSound::FSDefineSound(FSStream& stream) : FSDefineSound() { decode(stream); }

FSTransformObject* FSDefineSound::clone() const { return allocateObject<FSDefineSound>(CopyFailure, *this); }

int FSDefineSound::length(FSStream& stream) {
    FSMovieObject::length(stream);
    return bodyLength = dataSize + 7;
}

void FSDefineSound::encode(FSStream& stream) {
    stream.reportBegin(FSCodingEvent::Encoding, className());
    FSMovieObject::encode(stream);
    stream.writeWord(identifier, 16);
    stream.writeBits(format, 4);
    stream.writeBits(soundRateCode(rate), 2);
    stream.writeBits(sampleSize - 1, 1);
    stream.writeBits(channels - 1, 1);
    stream.writeWord(sampleCount, 32);
    stream.writeBytes(data.get(), dataSize);
    stream.reportEnd(FSCodingEvent::Encoding, className());
}

void FSDefineSound::decode(FSStream& stream) {
    FSStream::DecodingScope scope(stream, className());
    stream.reportBegin(FSCodingEvent::Decoding, className());
    FSMovieObject::decode(stream);
    int end = bodyEnd(stream);
    if (bodyLength < 7)
        stream.failDecoding("its length is too short for its fields.");
    identifier = stream.readWord(16, false);
    format = stream.readBits(4, false);
    rate = soundRateFromCode(stream.readBits(2, false));
    sampleSize = stream.readBits(1, false) + 1;
    channels = stream.readBits(1, false) + 1;
    sampleCount = stream.readWord(32, false);
    dataSize = bodyLength - 7;
    data = stream.readBytes(dataSize);
    stream.requireWithin(end);
    stream.reportEnd(FSCodingEvent::Decoding, className());
}

} // namespace transform
