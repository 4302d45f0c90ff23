#ifndef TRANSFORM_FSDEFINESOUND_H
#define TRANSFORM_FSDEFINESOUND_H

#include "transform/FSBytes.h"
#include "transform/FSMovieObject.h"


namespace transform {

// A whole sound defined as an event sound.
class FSDefineSound : public FSDefineObject {
public:
    FSDefineSound();
    FSDefineSound(int identifier, int format, int rate, int channels, int sampleSize, int sampleCount, FSBytes data);
    FSDefineSound(const FSDefineSound&) = default;
    explicit FSDefineSound(FSStream& stream);
    FSDefineSound& operator=(const FSDefineSound&) = delete;

    const char* className() const override { return "FSDefineSound"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int format = 0;
    int rate = 5512;
    int channels = 1;
    int sampleSize = 1;
    int sampleCount = 0;
    FSBytes data;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
