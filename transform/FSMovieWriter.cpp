#include "transform/FSMovieWriter.h"

#include "transform/FSException.h"
#include "system_calls/SystemError.h"
#include "transform/FSMovie.h"
#include "transform/FSMovieObject.h"

#include <limits>

namespace transform {

namespace {

const int HeaderLength = 8;
const int LengthOffset = 4;
const size_t OutputChunk = 1 << 16;
const int64_t LargestImage = std::numeric_limits<int>::max() / 8;
const unsigned char EndTag[2] = {0, 0};

} // namespace

FSMovieWriter::FSMovieWriter(const char* path, const Layout& layout)
    : compressed(layout.version > 5), version(layout.version), declaredFrames(layout.frameCount) {
    // A constructor that throws runs no destructor: release what was opened.
    try {
        start(path, layout);
    } catch (...) {
        release();
        throw;
    }
}

void FSMovieWriter::start(const char* path, const Layout& layout) {
    if (compressed) {
        if (deflateInit(&zip, layout.level) != Z_OK)
            throw FSFormatException("Cannot compress data");
        zipOpen = true;
        output.resize(OutputChunk);
    }
    file = std::fopen(path, "wb");
    if (file == nullptr)
        throw FSFileOpenException("Cannot open file", publish::lastSystemError());

    scratch.setContext(FSStream::VersionContext, version);
    FSBounds frameSize = layout.frameSize;
    int size = movieHeaderSize(scratch, frameSize);
    scratch.setData(nullptr, size);
    scratch.setPointer(0);
    // The length field is written again when the movie is finished.
    encodeMovieHeader(scratch, compressed ? "CWS" : "FWS", version, 0, frameSize, layout.frameRate, layout.frameCount);
    writeFile(scratch.getData(), HeaderLength);
    write(scratch.getData() + HeaderLength, static_cast<size_t>(size - HeaderLength));
    total = size;
}

FSMovieWriter::~FSMovieWriter() { release(); }

void FSMovieWriter::release() {
    if (zipOpen)
        deflateEnd(&zip);
    zipOpen = false;
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}

void FSMovieWriter::add(FSMovieObject& tag) {
    int body = tag.length(scratch);
    int size = tag.headerSize() + body;
    scratch.setData(nullptr, size);
    scratch.setPointer(0);
    scratch.checkedEncode(tag);
    write(scratch.getData(), static_cast<size_t>(size));
    total += size;
    if (tag.type == FSMovieObject::ShowFrame)
        ++frames;
    if (total + 2 > LargestImage)
        throw FSFormatException("FSMovie is too large to encode.");
}

void FSMovieWriter::finish() {
    if (frames != declaredFrames)
        throw FSFormatException("FSMovie: its frames do not match the frame count it declared.");
    write(EndTag, sizeof EndTag);
    total += sizeof EndTag;
    if (compressed)
        deflateInto(nullptr, 0, Z_FINISH);
    unsigned char length[4];
    for (int i = 0; i < 4; ++i)
        length[i] = static_cast<unsigned char>(total >> (8 * i));
    if (std::fseek(file, LengthOffset, SEEK_SET) != 0)
        throw FSAccessException("Cannot write to file", publish::lastSystemError());
    writeFile(length, sizeof length);
    std::FILE* closing = file;
    file = nullptr;
    if (std::fclose(closing) != 0)
        throw FSAccessException("Cannot write to file", publish::lastSystemError());
}

void FSMovieWriter::write(const unsigned char* bytes, size_t count) {
    if (compressed)
        deflateInto(bytes, count, Z_NO_FLUSH);
    else
        writeFile(bytes, count);
}

void FSMovieWriter::deflateInto(const unsigned char* bytes, size_t count, int flush) {
    zip.next_in = const_cast<unsigned char*>(bytes);
    zip.avail_in = static_cast<uInt>(count);
    int status;
    do {
        zip.next_out = output.data();
        zip.avail_out = static_cast<uInt>(output.size());
        status = deflate(&zip, flush);
        if (status == Z_STREAM_ERROR)
            throw FSFormatException("Cannot compress data");
        writeFile(output.data(), output.size() - zip.avail_out);
    } while (zip.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
}

void FSMovieWriter::writeFile(const unsigned char* bytes, size_t count) {
    if (count > 0 && std::fwrite(bytes, 1, count, file) != count)
        throw FSAccessException("Cannot write to file", publish::lastSystemError());
}

} // namespace transform
