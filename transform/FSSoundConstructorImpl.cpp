#include "transform/FSSoundConstructorImpl.h"

#include "transform/FSCodec.h"
#include "transform/FSDefineSound.h"
#include "transform/FSFileReader.h"
#include "transform/FSMp3Frames.h"
#include "transform/FSSoundFormat.h"
#include "transform/FSSoundStreamBlock.h"
#include "transform/FSSoundStreamHead2.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

namespace transform {

namespace {

const size_t MaxFrames = 0xFFFFF;
const int Mpeg1 = 3;

const unsigned RiffId = 0x46464952;
const unsigned WaveId = 0x45564157;
const unsigned FormatId = 0x20746D66;
const unsigned DataId = 0x61746164;
const int PcmTag = 1;

struct CodecReleaser {
    void operator()(FSCodec* codec) const { codec->release(); }
};

int samplesPerFrameForRate(int rate) { return rate >= 32000 ? 1152 : 576; }

} // namespace

FSSoundConstructor* createSoundConstructor(int forceMp3) {
    return new (std::nothrow) FSSoundConstructorImpl(forceMp3);
}

void FSSoundConstructorImpl::clear() {
    format = channels = sampleCount = sampleRate = sampleSize = 0;
    data.reset();
    dataSize = 0;
    frameTable.reset();
    samplesPerFrame = 0;
    frameCount = 0;
}

void FSSoundConstructorImpl::setData(const unsigned char* bytes, int count) {
    data.reset(new unsigned char[count > 0 ? count : 1]);
    if (count > 0)
        std::memcpy(data.get(), bytes, static_cast<size_t>(count));
    dataSize = count > 0 ? count : 0;
}

int FSSoundConstructorImpl::copyData(unsigned char* buffer) const {
    if (buffer != nullptr && dataSize > 0)
        std::memcpy(buffer, data.get(), static_cast<size_t>(dataSize));
    return dataSize;
}

int FSSoundConstructorImpl::loadFile(const char* path) {
    std::unique_ptr<unsigned char[]> bytes;
    int size = 0;
    int status = readWholeFile(path, bytes, size);
    return status == FSLoaded ? decodeSound(bytes.get(), size) : status;
}

int FSSoundConstructorImpl::decodeSound(const unsigned char* bytes, int size) {
    clear();
    if (bytes == nullptr || size <= 0 || size > std::numeric_limits<int>::max() / 8)
        return FSUnsupported;
    std::unique_ptr<FSCodec, CodecReleaser> codec(createCodec(0));
    if (!codec)
        return FSUnsupported;
    try {
        codec->setData(bytes, size);
        bool isWav = forceMp3 == 0 && size >= 2 && bytes[0] == 'R' && bytes[1] == 'I';
        return isWav ? decodeWav(*codec) : decodeMp3(bytes, size);
    } catch (const std::bad_alloc&) {
        clear();
        return FSOutOfMemory;
    }
}

int FSSoundConstructorImpl::decodeMp3(const unsigned char* bytes, int size) {
    format = FSSoundMP3;
    sampleSize = 2;
    FSMp3Walk walk;
    if (!walkMp3Frames(bytes, static_cast<size_t>(size), MaxFrames, walk) || walk.tooManyFrames)
        return FSUnsupported;
    size_t first = walk.frames.front().offset;
    setData(bytes + first, size - static_cast<int>(first));
    channels = walk.stream.channels();
    sampleRate = walk.stream.sampleRate;
    samplesPerFrame = walk.stream.version == Mpeg1 ? 1152 : 576;
    frameCount = static_cast<int>(walk.frames.size());
    sampleCount = frameCount * samplesPerFrame;
    frameTable.reset(new FrameEntry[walk.frames.size()]);
    for (size_t i = 0; i < walk.frames.size(); ++i)
        frameTable[i] = {static_cast<int>(walk.frames[i].offset - first), static_cast<int>(walk.frames[i].size)};
    // One stream header cannot describe two streams; and SWF streams MP3
    // at these three rates only.
    bool streamable = sampleRate == 11025 || sampleRate == 22050 || sampleRate == 44100;
    return walk.changes || !streamable ? FSUnsupported : FSLoaded;
}

int FSSoundConstructorImpl::decodeWav(FSCodec& codec) {
    if (codec.readUI32() != RiffId)
        return FSUnsupported;
    codec.readUI32();
    if (codec.readUI32() != WaveId)
        return FSUnsupported;

    int status = FSLoaded;
    const int64_t end = codec.getSize();
    while (status == FSLoaded && end - codec.getPointer() / 8 >= 8) {
        unsigned id = codec.readUI32();
        int64_t chunkSize = codec.readUI32();
        int64_t start = codec.getPointer() / 8;
        if (id == FormatId) {
            format = FSSoundPCM;
            status = FSUnsupported;
            if (codec.readUI16() == PcmTag) {
                channels = codec.readUI16();
                sampleRate = static_cast<int>(codec.readUI32());
                codec.readUI32();
                codec.readUI16();
                sampleSize = codec.readUI16() / 8;
                status = FSLoaded;
            }
        } else if (id == DataId) {
            // A "data" chunk before a usable "fmt " chunk cannot be sliced.
            if (sampleSize <= 0 || channels <= 0)
                return FSUnsupported;
            int64_t available = chunkSize < end - start ? chunkSize : end - start;
            std::unique_ptr<unsigned char[]> bytes(new unsigned char[static_cast<size_t>(available > 0 ? available : 1)]);
            int copied = codec.readBytes(bytes.get(), static_cast<int>(available));
            setData(bytes.get(), copied);
            sampleCount = copied / (sampleSize * channels);
            if (chunkSize % 2 == 1)
                ++chunkSize;
        }
        int64_t next = start + chunkSize;
        if (next >= end)
            break;
        codec.setPointer(static_cast<int>(8 * next));
    }
    if (status == FSLoaded && (sampleRate <= 0 || channels <= 0 || sampleSize <= 0))
        return FSUnsupported;
    return status;
}

int FSSoundConstructorImpl::setSound(int newFormat, int newChannels, int newSampleCount, int newSampleRate,
                                     int newSampleSize, const unsigned char* bytes, int size) {
    int status = FSLoaded;
    if (newFormat == FSSoundMP3 && size > 2) {
        status = decodeSound(bytes + 2, size - 2);
    } else {
        clear();
        try {
            setData(bytes, bytes ? size : 0);
        } catch (const std::bad_alloc&) {
            clear();
            return FSUnsupported;
        }
    }
    format = newFormat;
    channels = newChannels;
    sampleCount = newSampleCount;
    sampleRate = newSampleRate;
    sampleSize = newSampleSize;
    if (format == FSSoundMP3)
        samplesPerFrame = samplesPerFrameForRate(sampleRate);
    return status;
}

FSDefineSound* FSSoundConstructorImpl::defineSound(int identifier) const {
    std::unique_ptr<unsigned char[]> bytes;
    int count = 0;
    if (format == FSSoundADPCM || format == FSSoundPCM || format == FSSoundMP3) {
        int seekBytes = format == FSSoundMP3 ? 2 : 0;
        count = seekBytes + dataSize;
        bytes.reset(new (std::nothrow) unsigned char[static_cast<size_t>(count > 0 ? count : 1)]());
        if (!bytes)
            return nullptr;
        copyData(bytes.get() + seekBytes);
    }
    return new (std::nothrow)
        FSDefineSound(identifier, format, sampleRate, channels, sampleSize, sampleCount, std::move(bytes), count);
}

FSSoundStreamHead2* FSSoundConstructorImpl::streamHeader(int samplesPerBlock) const {
    return new (std::nothrow) FSSoundStreamHead2(format, sampleRate, channels, sampleSize, sampleRate, channels,
                                                 sampleSize, samplesPerBlock, 0);
}

FSSoundStreamBlock* FSSoundConstructorImpl::streamBlock(int blockNumber, int samplesPerBlock) const {
    if (blockNumber < 0 || samplesPerBlock <= 0)
        return nullptr;
    long long first = static_cast<long long>(blockNumber) * samplesPerBlock;
    if (format == FSSoundMP3)
        return mp3Block(first, first + samplesPerBlock);
    if (format == FSSoundPCM)
        return pcmBlock(blockNumber, samplesPerBlock);
    return nullptr;
}

FSSoundStreamBlock* FSSoundConstructorImpl::mp3Block(long long first, long long last) const {
    if (samplesPerFrame <= 0)
        return nullptr;
    long long frame = first / samplesPerFrame;
    long long frames = last / samplesPerFrame - frame;
    if (frame > frameCount)
        return nullptr;
    if (frame + frames > frameCount)
        frames = frameCount - frame;
    int seek = static_cast<int>(first % samplesPerFrame);

    long long size = 4;
    for (long long i = frame; i < frame + frames; ++i)
        size += frameTable[i].size;
    std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[static_cast<size_t>(size)]);
    if (!bytes)
        return nullptr;
    auto sampleTotal = static_cast<unsigned>(frames * samplesPerFrame);
    bytes[0] = static_cast<unsigned char>(sampleTotal);
    bytes[1] = static_cast<unsigned char>(sampleTotal >> 8);
    bytes[2] = static_cast<unsigned char>(seek);
    bytes[3] = static_cast<unsigned char>(seek >> 8);
    long long at = 4;
    for (long long i = frame; i < frame + frames; ++i) {
        std::memcpy(bytes.get() + at, data.get() + frameTable[i].offset, static_cast<size_t>(frameTable[i].size));
        at += frameTable[i].size;
    }
    return new (std::nothrow) FSSoundStreamBlock(std::move(bytes), static_cast<int>(size));
}

FSSoundStreamBlock* FSSoundConstructorImpl::pcmBlock(long long blockNumber, long long samplesPerBlock) const {
    long long frameBytes = static_cast<long long>(sampleSize) * channels;
    if (frameBytes <= 0)
        return nullptr;
    long long start = frameBytes * blockNumber * samplesPerBlock;
    if (start > dataSize)
        return nullptr;
    long long count = frameBytes * samplesPerBlock;
    if (count > dataSize - start)
        count = dataSize - start;
    std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[static_cast<size_t>(count > 0 ? count : 1)]);
    if (!bytes)
        return nullptr;
    if (count > 0)
        std::memcpy(bytes.get(), data.get() + start, static_cast<size_t>(count));
    return new (std::nothrow) FSSoundStreamBlock(std::move(bytes), static_cast<int>(count));
}

} // namespace transform
