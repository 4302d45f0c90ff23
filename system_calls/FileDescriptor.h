#ifndef SYSTEM_CALLS_FILEDESCRIPTOR_H
#define SYSTEM_CALLS_FILEDESCRIPTOR_H

#include <unistd.h>
#include <utility>

namespace publish {

// Owns an open file descriptor and closes it when it goes.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor(descriptor) {}
    ~FileDescriptor() {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor(std::exchange(other.descriptor, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(descriptor, other.descriptor);
        return *this;
    }

    bool valid() const { return descriptor >= 0; }
    int get() const { return descriptor; }
    // Hands the descriptor on to a new owner (a stdio stream).
    int release() { return std::exchange(descriptor, -1); }
    // Closes now, for the error a delayed write may report only here.
    [[nodiscard]] int close() { return ::close(std::exchange(descriptor, -1)); }

private:
    int descriptor = -1;
};

} // namespace publish

#endif
