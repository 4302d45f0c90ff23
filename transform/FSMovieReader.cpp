#include "transform/FSMovieReader.h"

#include "transform/FSAllocation.h"
#include "transform/FSDefineEditText.h"
#include "transform/FSDefineFont2.h"
#include "transform/FSDefineShape.h"
#include "transform/FSDefineSound.h"
#include "transform/FSDefineSprite.h"
#include "transform/FSDoAction.h"
#include "transform/FSException.h"
#include "system_calls/SystemError.h"
#include "transform/FSFileReader.h"
#include "transform/FSPlaceObject2.h"
#include "transform/FSSetBackgroundColor.h"
#include "transform/FSShowFrame.h"
#include "transform/FSSoundStreamBlock.h"
#include "transform/FSSoundStreamHead2.h"
#include "transform/FSStream.h"
#include "transform/FSUnknownRecord.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>
#include <zlib.h>

namespace transform {

namespace {

const int HeaderLength = 8;
const char* const TagFailure = "Cannot allocate memory";
// The bit pointer is an int: larger images cannot be addressed.
const unsigned LargestImage = std::numeric_limits<int>::max() / 8;

template <typename T>
FSMovieObject* make() {
    return allocateObject<T>(TagFailure);
}

FSMovieObject* newTagFor(int code) {
    switch (code) {
    case FSMovieObject::ShowFrame: return make<FSShowFrame>();
    case FSMovieObject::SetBackgroundColor: return make<FSSetBackgroundColor>();
    case FSMovieObject::DoAction: return make<FSDoAction>();
    case FSMovieObject::DefineSound: return make<FSDefineSound>();
    case FSMovieObject::SoundStreamBlock: return make<FSSoundStreamBlock>();
    case FSMovieObject::SoundStreamHead2: return make<FSSoundStreamHead2>();
    case FSMovieObject::DefineShape: return make<FSDefineShape>();
    case FSMovieObject::PlaceObject2: return make<FSPlaceObject2>();
    case FSMovieObject::DefineEditText: return make<FSDefineEditText>();
    case FSMovieObject::DefineSprite: return make<FSDefineSprite>();
    case FSMovieObject::DefineFont2: return make<FSDefineFont2>();
    default: return make<FSUnknownTag>();
    }
}

unsigned declaredLength(const unsigned char* bytes) {
    return bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) | (static_cast<unsigned>(bytes[7]) << 24);
}

// The uncompressed image: the header as it is, then the inflated body, at
// most as long as the header declares. The buffer grows as data arrives, so
// a false declared length costs nothing.
std::vector<unsigned char> inflateImage(const unsigned char* bytes, int size) {
    unsigned total = declaredLength(bytes);
    if (total > LargestImage)
        throw FSFormatException("FSMovie: its declared length is too large to read.");
    if (total < HeaderLength)
        total = HeaderLength;
    std::vector<unsigned char> image(bytes, bytes + HeaderLength);

    z_stream zip{};
    if (inflateInit(&zip) != Z_OK)
        throw FSFormatException("FSMovie: cannot start decompression.");
    zip.next_in = const_cast<unsigned char*>(bytes + HeaderLength);
    zip.avail_in = static_cast<uInt>(size - HeaderLength);
    int status = Z_OK;
    size_t produced = HeaderLength;
    while (status == Z_OK && produced < total) {
        size_t grown = std::min<size_t>(total, std::max<size_t>(2 * image.size(), 65536));
        image.resize(grown);
        zip.next_out = image.data() + produced;
        zip.avail_out = static_cast<uInt>(grown - produced);
        status = inflate(&zip, Z_NO_FLUSH);
        produced = HeaderLength + zip.total_out;
    }
    inflateEnd(&zip);
    if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
        throw FSFormatException("FSMovie: its compressed data is corrupt.");
    image.resize(produced);
    return image;
}

std::unique_ptr<FSMovie> decodeImage(FSStream& stream, FSMovieHeader& header) {
    stream.setPointer(0);
    FSStream::DecodingScope scope(stream, "FSMovie");
    stream.reportBegin(FSCodingEvent::Decoding, "FSMovie");
    for (int i = 0; i < 3; ++i)
        header.signature[i] = static_cast<char>(stream.readWord(8, false));
    header.version = stream.readWord(8, false);
    header.length = static_cast<unsigned>(stream.readWord(32, false));
    stream.setContext(FSStream::VersionContext, header.version);
    FSBounds frameSize(stream);
    int fraction = stream.readWord(8, false);
    int whole = stream.readWord(8, false);
    header.frameCount = stream.readWord(16, false);

    auto movie = std::make_unique<FSMovie>(frameSize, static_cast<float>(whole) + static_cast<float>(fraction) / 256.0f,
                                           header.version);
    movie->setCompressed(header.signature[0] == 'C');
    while (stream.bytesLeft(stream.endOfData())) {
        std::unique_ptr<FSMovieObject> tag(decodeTag(stream));
        if (tag->type == FSMovieObject::End)
            break;
        movie->addObject(tag.get());
        tag.release();
    }
    stream.reportEnd(FSCodingEvent::Decoding, "FSMovie");
    return movie;
}

} // namespace

FSMovieObject* decodeTag(FSStream& stream) {
    int start = stream.getPointer();
    int code = stream.readWord(16, false) / 64;
    stream.setPointer(start);
    std::unique_ptr<FSMovieObject> tag(newTagFor(code));
    tag->decode(stream);
    int end = start + 8 * (tag->headerSize() + tag->bodyLength);
    stream.requireWithin(end);
    stream.setPointer(end);
    return tag.release();
}

std::unique_ptr<FSMovie> decodeMovie(const unsigned char* bytes, int size, FSMovieHeader* header,
                                     FSCodingObserver* observer) {
    if (bytes == nullptr || size < HeaderLength || (bytes[0] != 'F' && bytes[0] != 'C') || bytes[1] != 'W' ||
        bytes[2] != 'S')
        throw FSFormatException("FSMovie: the data is not an SWF movie.");

    std::vector<unsigned char> image;
    if (bytes[0] == 'C') {
        image = inflateImage(bytes, size);
        bytes = image.data();
        size = static_cast<int>(image.size());
    }
    FSStream stream(bytes, size);
    stream.setObserver(observer);
    FSMovieHeader decoded;
    auto movie = decodeImage(stream, decoded);
    if (header)
        *header = decoded;
    return movie;
}

std::unique_ptr<FSMovie> decodeMovieFile(const char* path, FSMovieHeader* header) {
    FSBytes bytes;
    if (readWholeFile(path, bytes) != FSLoaded)
        throw FSFileOpenException("Cannot open file", publish::lastSystemError());
    return decodeMovie(bytes.data(), bytes.size(), header);
}

} // namespace transform
