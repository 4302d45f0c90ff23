#ifndef TRANSFORM_FSCODECIMPL_H
#define TRANSFORM_FSCODECIMPL_H

#include "transform/FSCodec.h"

#include <cstdint>

namespace transform {

class FSCodecImpl : public FSCodec {
public:
    explicit FSCodecImpl(int byteOrder) : byteOrder(byteOrder) {}
    FSCodecImpl(const FSCodecImpl&) = delete;
    FSCodecImpl& operator=(const FSCodecImpl&) = delete;

    int getByteOrder() const override { return byteOrder; }
    void setByteOrder(int order) override { byteOrder = order; }
    int getSize() const override { return size; }
    int copyData(unsigned char* buffer) const override;
    int readFile(const char* path) override;
    void setData(const unsigned char* bytes, int count) override;
    int getPointer() const override { return pointer; }
    void setPointer(int bits) override;
    void movePointer(int bits) override;
    void alignToByte() override;
    bool atEnd() const override { return pointer >= endBits(); }
    bool findBits(int value, int width, int step) override;
    bool findWord(int value, int bytes, int step) override;
    int readBits(int width) override;
    int readSignedBits(int width) override;
    int readWord(int bytes) override;
    int readSignedWord(int bytes) override;
    void writeBits(int value, int width) override;
    void writeWord(int value, int bytes) override;
    int readBytes(unsigned char* buffer, int count) override;
    void writeBytes(const unsigned char* bytes, int count) override;
    float readFixed(int width, int fractionBits) override;
    void writeFixed(float value, int width, int fractionBits) override;
    int readByte() override { return readWord(1); }
    int readUI16() override { return readWord(2); }
    int readSI16() override { return readSignedWord(2); }
    unsigned readUI32() override { return static_cast<unsigned>(readWord(4)); }
    void release() override { delete this; }

private:
    ~FSCodecImpl() override;

    int endBits() const { return size * 8; }
    uint32_t peekBits(int at, int width) const;
    void ensureCapacity(int64_t bits);

    int byteOrder;
    int pointer = 0;
    unsigned char* data = nullptr;
    int size = 0;
};

} // namespace transform

#endif
