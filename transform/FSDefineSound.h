#ifndef TRANSFORM_FSDEFINESOUND_H
#define TRANSFORM_FSDEFINESOUND_H

#include "transform/FSMovieObject.h"

#include <memory>

namespace transform {

// A whole sound defined as an event sound.
class FSDefineSound : public FSDefineObject {
public:
    FSDefineSound() : FSDefineObject(DefineSound, 0) {}
    FSDefineSound(int identifier, int format, int rate, int channels, int sampleSize, int sampleCount,
                  std::unique_ptr<unsigned char[]> data, int dataSize);
    FSDefineSound(const FSDefineSound& other);
    explicit FSDefineSound(FSStream& stream);
    FSDefineSound& operator=(const FSDefineSound&) = delete;

    const char* className() const override { return "FSDefineSound"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    int format = 0;
    int rate = 5512;
    int channels = 1;
    int sampleSize = 1;
    int sampleCount = 0;
    std::unique_ptr<unsigned char[]> data;
    int dataSize = 0;
};

} // namespace transform

#endif
