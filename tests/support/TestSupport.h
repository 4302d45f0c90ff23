#ifndef TESTS_SUPPORT_TESTSUPPORT_H
#define TESTS_SUPPORT_TESTSUPPORT_H

#include "transform/transform.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef UNDER_ADDRESS_SANITIZER
#define UNDER_ADDRESS_SANITIZER 0
#endif

namespace testing_support {

using Bytes = std::vector<unsigned char>;

// Measures and encodes one object on its own, as the movie encoder would.
Bytes encode(transform::FSTransformObject& object, int alphaContext = 0);

// Decodes `bytes` into a default-constructed T.
template <typename T>
std::unique_ptr<T> decodeAs(const Bytes& bytes) {
    transform::FSStream stream(bytes.data(), static_cast<int>(bytes.size()));
    auto object = std::make_unique<T>();
    object->decode(stream);
    return object;
}

// Decodes one action record through the action factory.
std::unique_ptr<transform::FSActionObject> decodeOneAction(const Bytes& bytes);

// An action list from the given actions; the list owns them.
transform::FSActionList actionList(std::initializer_list<transform::FSActionObject*> actions);

std::string hex(const Bytes& bytes);
Bytes concat(const Bytes& left, const Bytes& right);
// A buffer of its own holding the bytes, for the objects that take data.
transform::FSBytes ownedCopy(const Bytes& bytes);
// Appends `size` bytes of `value`, least significant first.
void putWord(Bytes& bytes, unsigned value, int size);

// A folder of its own under the system's temporary folder, removed again
// when the test ends.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    std::string path(const std::string& name) const;

private:
    std::string root;
};

// A sine tone as a 16-bit PCM WAV file.
void writeToneWav(const std::string& path, int rate, int channels, double seconds, double frequency = 440.0);
// Runs a shell command; true when it exits with 0.
bool run(const std::string& command);
// Runs a shell command and returns what it printed on standard output.
std::string outputOf(const std::string& command);
Bytes readFile(const std::string& path);
// The uncompressed image of an SWF file, as a player reads it: the 8-byte
// header, then the inflated rest (which must be one whole zlib stream).
Bytes uncompressedImage(const Bytes& file);
void writeFile(const std::string& path, const Bytes& bytes);

} // namespace testing_support

#endif
