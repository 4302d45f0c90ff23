#include "transform/FSMovie.h"

#include "transform/FSAllocation.h"
#include "transform/FSException.h"
#include "system_calls/SystemError.h"
#include "transform/FSStream.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <zlib.h>

namespace transform {

namespace {

const char* const StreamFailure = "Could not allocate memory for an FSOutputStream object.";
const char* const MovieFailure = "Could not allocate memory to encode a movie.";
const int HeaderLength = 8;
const int EndTagSize = 2;
// The bit pointer is an int: larger images cannot be addressed.
const int64_t LargestImage = std::numeric_limits<int>::max() / 8;

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file)
            std::fclose(file);
    }
};

} // namespace

FSMovie::FSMovie(const FSBounds& frameSize, float frameRate, int version)
    : signature{version <= 5 ? 'F' : 'C', 'W', 'S', '\0'}, version(version), frameSize(frameSize),
      frameRate(frameRate) {}

FSMovie::FSMovie(const FSMovie& other)
    : signature{other.signature[0], 'W', 'S', '\0'}, version(other.version), frameSize(other.frameSize),
      frameRate(other.frameRate), objects(cloneElements(other.objects)) {}

FSMovie::~FSMovie() { deleteElements(objects); }

void FSMovie::addObject(FSMovieObject* object) { objects.append(object); }

int FSMovie::frameCount() const {
    int count = 0;
    for (const FSMovieObject* object : objects)
        if (object->type == FSMovieObject::ShowFrame)
            ++count;
    return count;
}

bool FSMovie::encodeBody(FSStream& stream, int total, FSCodingObserver* observer) {
    try {
        // Without bytes to copy the stream's new buffer is all zeros.
        stream.setData(nullptr, total);
    } catch (const FSAllocationException&) {
        if (observer == nullptr)
            throw FSAllocationException(MovieFailure);
        stream.reportError(FSCodingEvent::Encoding, MovieFailure);
        return false;
    }
    stream.setPointer(0);
    stream.reportBegin(FSCodingEvent::Encoding, "FSMovie");
    encodeMovieHeader(stream, signature, version, total, frameSize, frameRate, frameCount());
    for (FSMovieObject* object : objects)
        stream.checkedEncode(*object);
    stream.writeWord(0, 16);
    stream.reportEnd(FSCodingEvent::Encoding, "FSMovie");
    return true;
}

FSBytes FSMovie::encodeToMemory(int& outLength, FSCodingObserver* observer) {
    outLength = 0;
    std::unique_ptr<FSOutputStream> stream;
    try {
        stream.reset(allocateObject<FSOutputStream>(StreamFailure, 0));
    } catch (const FSAllocationException&) {
        if (observer == nullptr)
            throw;
        FSStream reporter;
        reporter.setObserver(observer);
        reporter.reportError(FSCodingEvent::Encoding, StreamFailure);
        return FSBytes();
    }
    stream->setContext(FSStream::VersionContext, version);
    stream->setObserver(observer);

    int64_t total = movieHeaderSize(*stream, frameSize) + EndTagSize;
    for (FSMovieObject* object : objects) {
        object->length(*stream);
        total += object->headerSize() + object->bodyLength;
    }
    if (total > LargestImage)
        throw FSFormatException("FSMovie is too large to encode.");

    if (!encodeBody(*stream, static_cast<int>(total), observer))
        return FSBytes();

    if (signature[0] == 'C')
        return compressMovie(stream->getData(), stream->getSize(), HeaderLength, outLength);
    FSBytes image = stream->copyData();
    outLength = stream->getSize();
    return image;
}

void FSMovie::encodeToFile(const char* path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file)
        throw FSFileOpenException("Cannot open file", publish::lastSystemError());
    int length = 0;
    FSBytes image = encodeToMemory(length);
    if (std::fwrite(image.data(), 1, static_cast<size_t>(length), file.get()) != static_cast<size_t>(length))
        throw FSAccessException("Cannot write to file", publish::lastSystemError());
    if (std::fclose(file.release()) != 0)
        throw FSAccessException("Cannot write to file", publish::lastSystemError());
}

FSBytes compressMovie(const unsigned char* image, int length, int headerLength, int& outLength) {
    auto bound = static_cast<int64_t>(static_cast<double>(length) * 1.100000023841858);
    if (bound <= 64)
        bound = 64;
    // Compressed straight behind the copied header: the image itself is never
    // changed, so it needs no working copy.
    FSBytes buffer("Cannot allocate memory");
    buffer.resize(static_cast<int>(headerLength + bound));
    std::memcpy(buffer.writable(), image, static_cast<size_t>(headerLength));
    uLongf compressedSize = static_cast<uLongf>(bound);
    int status = compress2(buffer.writable() + headerLength, &compressedSize, image + headerLength,
                           static_cast<uLong>(length - headerLength), Z_DEFAULT_COMPRESSION);
    if (status != Z_OK)
        throw FSFormatException("Cannot compress data");
    outLength = headerLength + static_cast<int>(compressedSize);
    FSBytes result("Cannot allocate memory");
    result.assign(buffer.data(), outLength);
    return result;
}

int movieHeaderSize(FSStream& stream, FSBounds& frameSize) {
    // Signature, version and length; frame size; frame rate and frame count.
    return HeaderLength + frameSize.length(stream) + 4;
}

void encodeMovieHeader(FSStream& stream, const char* signature, int version, int total, FSBounds& frameSize,
                       float frameRate, int frameCount) {
    stream.writeBytes(reinterpret_cast<const unsigned char*>(signature), 3);
    stream.writeWord(version, 8);
    stream.writeWord(total, 32);
    frameSize.encode(stream);
    int whole = static_cast<int>(frameRate);
    stream.writeWord(static_cast<int>((frameRate - static_cast<float>(whole)) * 256.0f), 8);
    stream.writeWord(whole & 0xFF, 8);
    stream.writeWord(frameCount, 16);
}

} // namespace transform
