#ifndef TRANSFORM_FSSOUNDCONSTRUCTORIMPL_H
#define TRANSFORM_FSSOUNDCONSTRUCTORIMPL_H

#include "transform/FSBytes.h"
#include "transform/FSSoundConstructor.h"

#include <memory>

namespace transform {

class FSCodec;

class FSSoundConstructorImpl : public FSSoundConstructor {
public:
    explicit FSSoundConstructorImpl(int forceMp3) : forceMp3(forceMp3) {}
    FSSoundConstructorImpl(const FSSoundConstructorImpl&) = delete;
    FSSoundConstructorImpl& operator=(const FSSoundConstructorImpl&) = delete;

    int getFormat() const override { return format; }
    int getChannels() const override { return channels; }
    int getSampleCount() const override { return sampleCount; }
    int getSampleRate() const override { return sampleRate; }
    int getSampleSize() const override { return sampleSize; }
    int getDataSize() const override { return dataSize; }
    int copyData(unsigned char* buffer) const override;
    int loadFile(const char* path) override;
    int setSound(int format, int channels, int sampleCount, int sampleRate, int sampleSize,
                 const unsigned char* bytes, int size) override;
    int decodeSound(const unsigned char* bytes, int size) override;
    FSDefineSound* defineSound(int identifier) const override;
    FSSoundStreamHead2* streamHeader(int samplesPerBlock) const override;
    FSSoundStreamBlock* streamBlock(int blockNumber, int samplesPerBlock) const override;
    void release() override { delete this; }
    FSSoundStreamBlock* referringStreamBlock(int blockNumber, int samplesPerBlock) const override;

    // The indexed MP3 frames: offset into the data and size in bytes.
    struct FrameEntry {
        int offset = -1;
        int size = 0;
    };
    int getFrameCount() const { return frameCount; }
    FrameEntry getFrame(int index) const { return frameTable[index]; }
    int getSamplesPerFrame() const { return samplesPerFrame; }

private:
    ~FSSoundConstructorImpl() override = default;

    void clear();
    // Parses the image of a sound file, which the constructor then keeps:
    // its sound data is the part of it from dataStart on.
    int decodeImage(FSBytes image);
    int decodeMp3();
    int decodeWav(FSCodec& codec);
    const unsigned char* soundData() const { return image.data() + dataStart; }
    FSSoundStreamBlock* streamBlock(int blockNumber, int samplesPerBlock, bool referring) const;
    FSSoundStreamBlock* mp3Block(long long first, long long last, bool referring) const;
    FSSoundStreamBlock* pcmBlock(long long blockNumber, long long samplesPerBlock, bool referring) const;

    int format = 0;
    int channels = 0;
    int sampleCount = 0;
    int sampleRate = 0;
    int sampleSize = 0;
    FSBytes image;
    int dataStart = 0;
    int dataSize = 0;
    std::unique_ptr<FrameEntry[]> frameTable;
    int samplesPerFrame = 0;
    int forceMp3;
    int frameCount = 0;
};

} // namespace transform

#endif
