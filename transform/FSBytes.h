#ifndef TRANSFORM_FSBYTES_H
#define TRANSFORM_FSBYTES_H

#include <vector>

namespace transform {

class FSStream;

// The bytes of a body. They are the buffer's own, or a short lead of its own
// followed by bytes kept alive elsewhere: a streaming sound block points
// into the sound's data instead of copying every frame. A copy always owns
// its bytes; one that cannot be allocated throws FSAllocationException with
// the message the owner of the buffer gave it.
class FSBytes {
public:
    explicit FSBytes(const char* copyFailure = "Cannot allocate memory") : copyFailure(copyFailure) {}
    // A copy of `count` bytes (none when `bytes` is null).
    FSBytes(const unsigned char* bytes, int count, const char* copyFailure);
    FSBytes(const FSBytes& other);
    FSBytes(FSBytes&& other) noexcept;
    // Assignment takes the bytes, not the message: that stays the owner's.
    FSBytes& operator=(const FSBytes& other);
    FSBytes& operator=(FSBytes&& other) noexcept;

    // Keeps a copy of `count` bytes (none when `bytes` is null).
    void assign(const unsigned char* bytes, int count);
    // `count` zero bytes of its own, to be filled through writable().
    void resize(int count);
    // Its own copy of `leadCount` bytes, then `count` bytes that must outlive
    // the buffer.
    void refer(const unsigned char* lead, int leadCount, const unsigned char* bytes, int count);
    void clear();

    int size() const { return static_cast<int>(owned.size()) + referredCount; }
    bool empty() const { return size() == 0; }
    bool refersElsewhere() const { return referredCount > 0; }
    // The bytes in one piece, or null when there are none. A lead and the
    // bytes it refers to are joined into its own bytes first.
    const unsigned char* data() const;
    unsigned char* writable();

    void writeTo(FSStream& stream) const;

private:
    void join() const;

    const char* copyFailure;
    mutable std::vector<unsigned char> owned;
    mutable const unsigned char* referred = nullptr;
    mutable int referredCount = 0;
};

} // namespace transform

#endif
