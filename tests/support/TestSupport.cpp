#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace testing_support {

using namespace transform;

Bytes encode(FSTransformObject& object, int alphaContext) {
    FSOutputStream measure(0);
    measure.setContext(2, alphaContext);
    int body = object.length(measure);
    FSOutputStream stream(body + 16);
    stream.setContext(2, alphaContext);
    object.length(stream);
    object.encode(stream);
    const unsigned char* data = stream.getData();
    return Bytes(data, data + (stream.getPointer() + 7) / 8);
}

std::unique_ptr<FSActionObject> decodeOneAction(const Bytes& bytes) {
    FSStream stream(bytes.data(), static_cast<int>(bytes.size()));
    std::unique_ptr<FSActionObject> action(decodeAction(stream, stream.endOfData()));
    EXPECT_EQ(stream.getPointer(), stream.endOfData()) << "the record did not take all of its bytes";
    return action;
}

FSActionList actionList(std::initializer_list<FSActionObject*> actions) {
    FSActionList list;
    for (FSActionObject* action : actions)
        list.append(action);
    return list;
}

std::string hex(const Bytes& bytes) {
    std::string text;
    char digits[4];
    for (unsigned char byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

Bytes concat(const Bytes& left, const Bytes& right) {
    Bytes joined = left;
    joined.insert(joined.end(), right.begin(), right.end());
    return joined;
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tunemill-test-XXXXXX").string();
    root = mkdtemp(pattern.data()) ? pattern : std::string();
    if (root.empty())
        ADD_FAILURE() << "cannot create a temporary folder";
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TemporaryFolder::path(const std::string& name) const { return root + "/" + name; }

transform::FSBytes ownedCopy(const Bytes& bytes) {
    return transform::FSBytes(bytes.data(), static_cast<int>(bytes.size()), "Cannot allocate memory");
}

void putWord(Bytes& bytes, unsigned value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void writeToneWav(const std::string& path, int rate, int channels, double seconds, double frequency) {
    auto frames = static_cast<unsigned>(rate * seconds);
    unsigned dataSize = frames * channels * 2;
    Bytes wav = {'R', 'I', 'F', 'F'};
    putWord(wav, 36 + dataSize, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putWord(wav, 16, 4);
    putWord(wav, 1, 2);
    putWord(wav, channels, 2);
    putWord(wav, rate, 4);
    putWord(wav, rate * channels * 2, 4);
    putWord(wav, channels * 2, 2);
    putWord(wav, 16, 2);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    putWord(wav, dataSize, 4);
    for (unsigned i = 0; i < frames; ++i) {
        auto sample = static_cast<int>(12000 * std::sin(2 * M_PI * frequency * i / rate));
        for (int c = 0; c < channels; ++c)
            putWord(wav, static_cast<unsigned>(sample) & 0xFFFF, 2);
    }
    writeFile(path, wav);
}

bool run(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string outputOf(const std::string& command) {
    std::string text;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return text;
    char piece[4096];
    size_t read;
    while ((read = std::fread(piece, 1, sizeof piece, pipe)) > 0)
        text.append(piece, read);
    pclose(pipe);
    return text;
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes uncompressedImage(const Bytes& file) {
    if (file.size() < 8 || file[0] != 'C')
        return file;
    Bytes image(file.begin(), file.begin() + 8);
    z_stream zip{};
    EXPECT_EQ(inflateInit(&zip), Z_OK);
    zip.next_in = const_cast<unsigned char*>(file.data() + 8);
    zip.avail_in = static_cast<uInt>(file.size() - 8);
    unsigned char chunk[4096];
    int status;
    do {
        zip.next_out = chunk;
        zip.avail_out = sizeof chunk;
        status = inflate(&zip, Z_NO_FLUSH);
        image.insert(image.end(), chunk, chunk + (sizeof chunk - zip.avail_out));
    } while (status == Z_OK);
    EXPECT_EQ(status, Z_STREAM_END) << "one complete deflate stream";
    inflateEnd(&zip);
    return image;
}

} // namespace testing_support
