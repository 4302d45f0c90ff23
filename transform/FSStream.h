#ifndef TRANSFORM_FSSTREAM_H
#define TRANSFORM_FSSTREAM_H

#include "transform/FSBytes.h"
#include "transform/FSCodingObserver.h"

#include <cstdint>
#include <memory>

namespace transform {

class FSMovieObject;

// A byte buffer addressed by a bit pointer, with the bit-field and
// little-endian primitives of the SWF format. Writes never go past the end
// of the buffer; reads past the end throw FSFormatException naming the
// object being decoded.
class FSStream {
public:
    enum Kind { UnsignedBits = 0, SignedBits = 1, UnsignedWord = 2, SignedWord = 3 };
    // The context slots the objects of one movie share while they are coded.
    enum ContextSlot {
        VersionContext = 0, // the movie's SWF version, set by the movie coders
        TagCodeContext = 1, // the code of the tag being coded, set by its header
        AlphaContext = 2,   // non-zero while colours carry an alpha byte
    };

    FSStream();
    FSStream(const unsigned char* bytes, int size);
    FSStream(const FSStream&) = delete;
    FSStream& operator=(const FSStream&) = delete;
    virtual ~FSStream();

    // Replaces the buffer with a copy of `count` bytes, or zeros when
    // `bytes` is null.
    void setData(const unsigned char* bytes, int count);
    FSBytes copyData() const;
    const unsigned char* getData() const { return data; }
    int getSize() const { return size; }

    int getPointer() const { return pointer; }
    void setPointer(int bits) { pointer = bits; }
    FSCodingObserver* getObserver() const { return observer; }
    void setObserver(FSCodingObserver* newObserver) { observer = newObserver; }
    int getContext(int index) const;
    void setContext(int index, int value);

    void alignToByte();

    void writeBits(int value, int n);
    void writeWord(int value, int n);
    void write(int value, int kind, int n);
    int writeBytes(const unsigned char* bytes, int count);
    void writeDouble(double value);

    int readBits(int n, bool isSigned);
    int readWord(int n, bool isSigned);
    int read(int kind, int n);
    FSBytes readBytes(int count);
    std::unique_ptr<char[]> readString();
    double readDouble();

    // Observer reporting: begin and end carry the bit pointer, an error
    // carries only its message. Nothing happens without an observer.
    void reportBegin(int kind, const char* name);
    void reportEnd(int kind, const char* name);
    void reportError(int kind, const char* message);

    // Encodes a tag and checks that it wrote exactly the length it declared;
    // a mismatch throws FSFormatException, or goes to the observer.
    void checkedEncode(FSMovieObject& tag);

    // Bit position `bytes` bytes past the pointer; throws FSFormatException
    // when that lies beyond `limitBits` (a record running past its container).
    int endAfter(int64_t bytes, int limitBits) const;
    // Throws FSFormatException when decoding has gone beyond `endBits`.
    void requireWithin(int endBits) const;
    int endOfData() const { return size * 8; }
    bool bytesLeft(int endBits) const { return pointer < endBits; }

    // Names the object being decoded in the messages of failed reads.
    class DecodingScope {
    public:
        DecodingScope(FSStream& stream, const char* name) : stream(stream), previous(stream.decoding) {
            stream.decoding = name;
            if (++stream.depth > MaxDepth) {
                --stream.depth;
                stream.failDecoding("its objects are nested too deeply.");
            }
        }
        ~DecodingScope() {
            --stream.depth;
            stream.decoding = previous;
        }
        DecodingScope(const DecodingScope&) = delete;
        DecodingScope& operator=(const DecodingScope&) = delete;

    private:
        // Bounds the recursion that nested action lists cause.
        static const int MaxDepth = 512;
        FSStream& stream;
        const char* previous;
    };

    [[noreturn]] void failDecoding(const char* problem) const;

private:
    void requireReadable(int64_t bits) const;
    void report(int kind, int event, const char* name, const char* message);

    FSCodingObserver* observer = nullptr;
    int context[16] = {};
    unsigned char* data = nullptr;
    int pointer = 0;
    int size = 0;
    const char* decoding = nullptr;
    int depth = 0;
};

// The stream the movie encoder writes into: `size` zero bytes.
class FSOutputStream : public FSStream {
public:
    explicit FSOutputStream(int size);
};

// Bits a bit field needs for `value` (signed: with the sign bit).
int bitsFor(int value, bool isSigned);
int maxBitsFor(const int* values, int count, bool isSigned);

} // namespace transform

#endif
