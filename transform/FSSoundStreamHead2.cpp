#include "transform/FSSoundStreamHead2.h"

#include "transform/FSAllocation.h"
#include "transform/FSSoundFormat.h"
#include "transform/FSStream.h"

namespace transform {

FSSoundStreamHead2::FSSoundStreamHead2(FSStream& stream) : FSSoundStreamHead2() { decode(stream); }

FSTransformObject* FSSoundStreamHead2::clone() const {
    return allocateObject<FSSoundStreamHead2>("Cannot allocate memory", *this);
}

int FSSoundStreamHead2::length(FSStream& stream) {
    FSMovieObject::length(stream);
    return bodyLength = format == FSSoundMP3 ? 6 : 4;
}

void FSSoundStreamHead2::encodeBody(FSStream& stream) {
    stream.writeBits(0, 4);
    stream.writeBits(soundRateCode(playbackRate), 2);
    stream.writeBits(playbackSampleSize - 1, 1);
    stream.writeBits(playbackChannels - 1, 1);
    stream.writeBits(format, 4);
    stream.writeBits(soundRateCode(streamRate), 2);
    stream.writeBits(streamSampleSize - 1, 1);
    stream.writeBits(streamChannels - 1, 1);
    stream.writeWord(streamSampleCount, 16);
    if (format == FSSoundMP3)
        stream.writeWord(latency, 16);
}

void FSSoundStreamHead2::decodeBody(FSStream& stream, int end) {
    stream.readBits(4, false);
    playbackRate = soundRateFromCode(stream.readBits(2, false));
    playbackSampleSize = stream.readBits(1, false) + 1;
    playbackChannels = stream.readBits(1, false) + 1;
    format = stream.readBits(4, false);
    streamRate = soundRateFromCode(stream.readBits(2, false));
    streamSampleSize = stream.readBits(1, false) + 1;
    streamChannels = stream.readBits(1, false) + 1;
    streamSampleCount = stream.readWord(16, false);
    latency = format == FSSoundMP3 ? stream.readWord(16, true) : 0;
    stream.requireWithin(end);
}

} // namespace transform
