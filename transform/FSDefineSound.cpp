#include "transform/FSDefineSound.h"

#include "transform/FSAllocation.h"
#include "transform/FSSoundFormat.h"
#include "transform/FSStream.h"

#include <utility>

namespace transform {

namespace {
const char* const CopyFailure = "Could not allocate memory to copy sound data.";
} // namespace

FSDefineSound::FSDefineSound() : FSDefineObject(DefineSound, 0), data(CopyFailure) {}

FSDefineSound::FSDefineSound(int identifier, int format, int rate, int channels, int sampleSize, int sampleCount,
                             FSBytes bytes)
    : FSDefineObject(DefineSound, identifier), format(format), rate(rate), channels(channels),
      sampleSize(sampleSize), sampleCount(sampleCount), data(CopyFailure) {
    data = std::move(bytes);
}

FSDefineSound::FSDefineSound(FSStream& stream) : FSDefineSound() { decode(stream); }

FSTransformObject* FSDefineSound::clone() const { return allocateObject<FSDefineSound>(CopyFailure, *this); }

int FSDefineSound::length(FSStream& stream) {
    FSMovieObject::length(stream);
    return bodyLength = data.size() + 7;
}

void FSDefineSound::encodeBody(FSStream& stream) {
    stream.writeWord(identifier, 16);
    stream.writeBits(format, 4);
    stream.writeBits(soundRateCode(rate), 2);
    stream.writeBits(sampleSize - 1, 1);
    stream.writeBits(channels - 1, 1);
    stream.writeWord(sampleCount, 32);
    data.writeTo(stream);
}

void FSDefineSound::decodeBody(FSStream& stream, int end) {
    if (bodyLength < 7)
        stream.failDecoding("its length is too short for its fields.");
    identifier = stream.readWord(16, false);
    format = stream.readBits(4, false);
    rate = soundRateFromCode(stream.readBits(2, false));
    sampleSize = stream.readBits(1, false) + 1;
    channels = stream.readBits(1, false) + 1;
    sampleCount = stream.readWord(32, false);
    data = stream.readBytes(bodyLength - 7);
    stream.requireWithin(end);
}

} // namespace transform
