#include "transform/FSSoundConstructorImpl.h"

#include "transform/FSCodec.h"
#include "transform/FSDefineSound.h"
#include "transform/FSException.h"
#include "transform/FSFileReader.h"
#include "transform/FSMp3Frames.h"
#include "transform/FSSoundFormat.h"
#include "transform/FSSoundStreamBlock.h"
#include "transform/FSSoundStreamHead2.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace transform {

namespace {

const size_t MaxFrames = 0xFFFFF;
const int Mp3BlockLead = 4;

const unsigned RiffId = 0x46464952;
const unsigned WaveId = 0x45564157;
const unsigned FormatId = 0x20746D66;
const unsigned DataId = 0x61746164;
const int PcmTag = 1;

struct CodecReleaser {
    void operator()(FSCodec* codec) const { codec->release(); }
};

} // namespace

FSSoundConstructor* createSoundConstructor(int forceMp3) {
    return new (std::nothrow) FSSoundConstructorImpl(forceMp3);
}

void FSSoundConstructorImpl::clear() {
    format = channels = sampleCount = sampleRate = sampleSize = 0;
    image.clear();
    dataStart = dataSize = 0;
    frameTable.reset();
    samplesPerFrame = 0;
    frameCount = 0;
}

int FSSoundConstructorImpl::copyData(unsigned char* buffer) const {
    if (buffer != nullptr && dataSize > 0)
        std::memcpy(buffer, soundData(), static_cast<size_t>(dataSize));
    return dataSize;
}

int FSSoundConstructorImpl::loadFile(const char* path) {
    FSBytes file;
    int status = readWholeFile(path, file);
    // The file's bytes become the sound's: no second copy of them is made.
    return status == FSLoaded ? decodeImage(std::move(file)) : status;
}

int FSSoundConstructorImpl::decodeSound(const unsigned char* bytes, int size) {
    if (bytes == nullptr || size <= 0) {
        clear();
        return FSUnsupported;
    }
    FSBytes copy;
    try {
        copy.assign(bytes, size);
    } catch (const FSAllocationException&) {
        clear();
        return FSOutOfMemory;
    }
    return decodeImage(std::move(copy));
}

int FSSoundConstructorImpl::decodeImage(FSBytes bytes) {
    clear();
    int size = bytes.size();
    if (size <= 0 || size > std::numeric_limits<int>::max() / 8)
        return FSUnsupported;
    image = std::move(bytes);
    try {
        bool isWav = forceMp3 == 0 && size >= 2 && image.data()[0] == 'R' && image.data()[1] == 'I';
        if (!isWav)
            return decodeMp3();
        std::unique_ptr<FSCodec, CodecReleaser> codec(createCodec(0));
        if (!codec)
            return FSOutOfMemory;
        codec->setData(image.data(), size);
        return decodeWav(*codec);
    } catch (const std::bad_alloc&) {
        clear();
        return FSOutOfMemory;
    }
}

int FSSoundConstructorImpl::decodeMp3() {
    format = FSSoundMP3;
    sampleSize = 2;
    FSMp3Walk walk;
    if (!walkMp3Frames(image.data(), static_cast<size_t>(image.size()), MaxFrames, walk) || walk.tooManyFrames)
        return FSUnsupported;
    size_t first = walk.frames.front().offset;
    dataStart = static_cast<int>(first);
    dataSize = image.size() - dataStart;
    channels = walk.stream.channels();
    sampleRate = walk.stream.sampleRate;
    samplesPerFrame = walk.stream.samplesPerFrame();
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
            dataStart = static_cast<int>(start);
            dataSize = static_cast<int>(available > 0 ? available : 0);
            sampleCount = dataSize / (sampleSize * channels);
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
            image.assign(bytes, size);
        } catch (const FSAllocationException&) {
            return FSOutOfMemory;
        }
        dataSize = image.size();
    }
    format = newFormat;
    channels = newChannels;
    sampleCount = newSampleCount;
    sampleRate = newSampleRate;
    sampleSize = newSampleSize;
    if (format == FSSoundMP3)
        samplesPerFrame = mp3SamplesPerFrameAtRate(sampleRate);
    return status;
}

FSDefineSound* FSSoundConstructorImpl::defineSound(int identifier) const {
    FSBytes bytes;
    if (format == FSSoundADPCM || format == FSSoundPCM || format == FSSoundMP3) {
        int seekBytes = format == FSSoundMP3 ? 2 : 0;
        try {
            bytes.resize(seekBytes + dataSize);
        } catch (const FSAllocationException&) {
            return nullptr;
        }
        copyData(bytes.writable() + seekBytes);
    }
    return new (std::nothrow)
        FSDefineSound(identifier, format, sampleRate, channels, sampleSize, sampleCount, std::move(bytes));
}

FSSoundStreamHead2* FSSoundConstructorImpl::streamHeader(int samplesPerBlock) const {
    return new (std::nothrow) FSSoundStreamHead2(format, sampleRate, channels, sampleSize, sampleRate, channels,
                                                 sampleSize, samplesPerBlock, 0);
}

FSSoundStreamBlock* FSSoundConstructorImpl::streamBlock(int blockNumber, int samplesPerBlock) const {
    return streamBlock(blockNumber, samplesPerBlock, false);
}

FSSoundStreamBlock* FSSoundConstructorImpl::referringStreamBlock(int blockNumber, int samplesPerBlock) const {
    return streamBlock(blockNumber, samplesPerBlock, true);
}

FSSoundStreamBlock* FSSoundConstructorImpl::streamBlock(int blockNumber, int samplesPerBlock, bool referring) const {
    if (blockNumber < 0 || samplesPerBlock <= 0)
        return nullptr;
    long long first = static_cast<long long>(blockNumber) * samplesPerBlock;
    try {
        if (format == FSSoundMP3)
            return mp3Block(first, first + samplesPerBlock, referring);
        if (format == FSSoundPCM)
            return pcmBlock(blockNumber, samplesPerBlock, referring);
    } catch (const FSAllocationException&) {
    }
    return nullptr;
}

FSSoundStreamBlock* FSSoundConstructorImpl::mp3Block(long long first, long long last, bool referring) const {
    if (samplesPerFrame <= 0)
        return nullptr;
    long long frame = first / samplesPerFrame;
    long long frames = last / samplesPerFrame - frame;
    if (frame > frameCount)
        return nullptr;
    if (frame + frames > frameCount)
        frames = frameCount - frame;
    int seek = static_cast<int>(first % samplesPerFrame);
    auto sampleTotal = static_cast<unsigned>(frames * samplesPerFrame);
    const unsigned char lead[Mp3BlockLead] = {
        static_cast<unsigned char>(sampleTotal), static_cast<unsigned char>(sampleTotal >> 8),
        static_cast<unsigned char>(seek), static_cast<unsigned char>(seek >> 8)};

    // Frames that follow one another in the data are referred to as they
    // lie; frames with other bytes between them are copied.
    bool adjacent = true;
    long long size = 0;
    for (long long i = frame; i < frame + frames; ++i) {
        adjacent = adjacent && (i == frame || frameTable[i].offset == frameTable[i - 1].offset + frameTable[i - 1].size);
        size += frameTable[i].size;
    }
    FSBytes bytes;
    if (referring && adjacent && frames > 0) {
        bytes.refer(lead, Mp3BlockLead, soundData() + frameTable[frame].offset, static_cast<int>(size));
    } else {
        bytes.resize(static_cast<int>(Mp3BlockLead + size));
        unsigned char* at = bytes.writable();
        std::memcpy(at, lead, Mp3BlockLead);
        at += Mp3BlockLead;
        for (long long i = frame; i < frame + frames; ++i) {
            std::memcpy(at, soundData() + frameTable[i].offset, static_cast<size_t>(frameTable[i].size));
            at += frameTable[i].size;
        }
    }
    return new (std::nothrow) FSSoundStreamBlock(std::move(bytes));
}

FSSoundStreamBlock* FSSoundConstructorImpl::pcmBlock(long long blockNumber, long long samplesPerBlock,
                                                     bool referring) const {
    long long frameBytes = static_cast<long long>(sampleSize) * channels;
    if (frameBytes <= 0)
        return nullptr;
    long long start = frameBytes * blockNumber * samplesPerBlock;
    if (start > dataSize)
        return nullptr;
    long long count = frameBytes * samplesPerBlock;
    if (count > dataSize - start)
        count = dataSize - start;
    FSBytes bytes;
    if (referring)
        bytes.refer(nullptr, 0, soundData() + start, static_cast<int>(count));
    else
        bytes.assign(soundData() + start, static_cast<int>(count));
    return new (std::nothrow) FSSoundStreamBlock(std::move(bytes));
}

} // namespace transform
