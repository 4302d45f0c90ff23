#ifndef TRANSFORM_FSSOUNDCONSTRUCTOR_H
#define TRANSFORM_FSSOUNDCONSTRUCTOR_H

namespace transform {

class FSDefineSound;
class FSSoundStreamBlock;
class FSSoundStreamHead2;

// Turns an MP3 file (MPEG Layer III at 11025, 22050 or 44100 Hz) or a PCM
// WAV file into SWF sound tags. Loading returns a status: 0 success,
// 1 cannot open, 2 cannot size, read or close, 3 unsupported format,
// 4 out of memory.
// Made by createSoundConstructor; freed by release.
class FSSoundConstructor {
public:
    virtual int getFormat() const = 0;
    virtual int getChannels() const = 0;
    virtual int getSampleCount() const = 0;
    virtual int getSampleRate() const = 0;
    virtual int getSampleSize() const = 0;
    virtual int getDataSize() const = 0;
    // Copies the sound data into `buffer` (which must hold getDataSize()
    // bytes) and returns its size.
    virtual int copyData(unsigned char* buffer) const = 0;
    virtual int loadFile(const char* path) = 0;
    // For MP3 (format 2) the bytes are an event sound body: a 2-byte seek
    // field, then the frames.
    virtual int setSound(int format, int channels, int sampleCount, int sampleRate, int sampleSize,
                         const unsigned char* bytes, int size) = 0;
    virtual int decodeSound(const unsigned char* bytes, int size) = 0;
    // New tags the caller owns; null when memory runs out.
    virtual FSDefineSound* defineSound(int identifier) const = 0;
    virtual FSSoundStreamHead2* streamHeader(int samplesPerBlock) const = 0;
    // Null for formats other than MP3 and PCM, and for blocks outside the
    // sound.
    virtual FSSoundStreamBlock* streamBlock(int blockNumber, int samplesPerBlock) const = 0;
    virtual void release() = 0;
    // The same block as streamBlock, but without copying the sound: the
    // block refers to this constructor's data and must not outlive it.
    virtual FSSoundStreamBlock* referringStreamBlock(int blockNumber, int samplesPerBlock) const = 0;

protected:
    virtual ~FSSoundConstructor() = default;
};

// The values of createSoundConstructor's forceMp3.
enum SoundParsing : int {
    WavOrMp3 = 0,   // data beginning with "RI" is a WAV image, any other MP3
    Mp3Only = 1,    // data is always parsed as MP3
};
FSSoundConstructor* createSoundConstructor(int forceMp3);

// Lets a unique_ptr free what the factories made.
struct FSRelease {
    template <typename T>
    void operator()(T* object) const {
        if (object)
            object->release();
    }
};

} // namespace transform

#endif
