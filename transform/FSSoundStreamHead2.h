#ifndef TRANSFORM_FSSOUNDSTREAMHEAD2_H
#define TRANSFORM_FSSOUNDSTREAMHEAD2_H

#include "transform/FSMovieObject.h"

namespace transform {

// Announces a streaming sound: its format and how it should be played.
// Rates are in Hz, channels 1 or 2, sample sizes in bytes (1 or 2).
class FSSoundStreamHead2 : public FSMovieObject {
public:
    FSSoundStreamHead2(int format = 0, int playbackRate = 5512, int playbackChannels = 1, int playbackSampleSize = 1,
                       int streamRate = 5512, int streamChannels = 1, int streamSampleSize = 1,
                       int streamSampleCount = 0, int latency = 0)
        : FSMovieObject(SoundStreamHead2), format(format), playbackRate(playbackRate),
          playbackChannels(playbackChannels), playbackSampleSize(playbackSampleSize), streamRate(streamRate),
          streamChannels(streamChannels), streamSampleSize(streamSampleSize), streamSampleCount(streamSampleCount),
          latency(latency) {}
    explicit FSSoundStreamHead2(FSStream& stream);

    const char* className() const override { return "FSSoundStreamHead2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int format;
    int playbackRate;
    int playbackChannels;
    int playbackSampleSize;
    int streamRate;
    int streamChannels;
    int streamSampleSize;
    int streamSampleCount;
    int latency;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
