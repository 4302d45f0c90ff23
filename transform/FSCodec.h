#ifndef TRANSFORM_FSCODEC_H
#define TRANSFORM_FSCODEC_H

namespace transform {

// A bit reader and writer over a byte array, in a selectable byte order
// (0 little-endian, otherwise big-endian). Bit fields are read most
// significant bit first. Made by createCodec; freed by release.
class FSCodec {
public:
    virtual int getByteOrder() const = 0;
    virtual void setByteOrder(int order) = 0;
    virtual int getSize() const = 0;
    virtual int copyData(unsigned char* buffer) const = 0;
    virtual int readFile(const char* path) = 0;
    virtual void setData(const unsigned char* bytes, int count) = 0;
    virtual int getPointer() const = 0;
    virtual void setPointer(int bits) = 0;
    virtual void movePointer(int bits) = 0;
    virtual void alignToByte() = 0;
    virtual bool atEnd() const = 0;
    virtual bool findBits(int value, int width, int step) = 0;
    virtual bool findWord(int value, int bytes, int step) = 0;
    virtual int readBits(int width) = 0;
    virtual int readSignedBits(int width) = 0;
    virtual int readWord(int bytes) = 0;
    virtual int readSignedWord(int bytes) = 0;
    virtual void writeBits(int value, int width) = 0;
    virtual void writeWord(int value, int bytes) = 0;
    virtual int readBytes(unsigned char* buffer, int count) = 0;
    virtual void writeBytes(const unsigned char* bytes, int count) = 0;
    virtual float readFixed(int width, int fractionBits) = 0;
    virtual void writeFixed(float value, int width, int fractionBits) = 0;
    virtual int readByte() = 0;
    virtual int readUI16() = 0;
    virtual int readSI16() = 0;
    virtual unsigned readUI32() = 0;
    virtual void release() = 0;

protected:
    virtual ~FSCodec() = default;
};

FSCodec* createCodec(int byteOrder);

} // namespace transform

#endif
