#include "transform/FSBytes.h"

#include "transform/FSException.h"
#include "transform/FSStream.h"

#include <cstring>
#include <new>
#include <utility>

namespace transform {

namespace {

// Allocation failures of the buffer carry the message of its owner.
template <typename Action>
void allocating(const char* failure, Action action) {
    try {
        action();
    } catch (const std::bad_alloc&) {
        throw FSAllocationException(failure);
    }
}

} // namespace

FSBytes::FSBytes(const FSBytes& other) : copyFailure(other.copyFailure) { *this = other; }

FSBytes::FSBytes(const unsigned char* bytes, int count, const char* copyFailure) : copyFailure(copyFailure) {
    assign(bytes, count);
}

FSBytes::FSBytes(FSBytes&& other) noexcept : copyFailure(other.copyFailure) { *this = std::move(other); }

FSBytes& FSBytes::operator=(FSBytes&& other) noexcept {
    owned = std::move(other.owned);
    referred = other.referred;
    referredCount = other.referredCount;
    other.owned.clear();
    other.referred = nullptr;
    other.referredCount = 0;
    return *this;
}

FSBytes& FSBytes::operator=(const FSBytes& other) {
    if (this == &other)
        return *this;
    std::vector<unsigned char> copy;
    allocating(copyFailure, [&] {
        copy.reserve(static_cast<size_t>(other.size()));
        copy.assign(other.owned.begin(), other.owned.end());
        if (other.referredCount > 0)
            copy.insert(copy.end(), other.referred, other.referred + other.referredCount);
    });
    owned = std::move(copy);
    referred = nullptr;
    referredCount = 0;
    return *this;
}

void FSBytes::assign(const unsigned char* bytes, int count) {
    clear();
    if (bytes != nullptr && count > 0)
        allocating(copyFailure, [&] { owned.assign(bytes, bytes + count); });
}

void FSBytes::resize(int count) {
    clear();
    allocating(copyFailure, [&] { owned.resize(static_cast<size_t>(count > 0 ? count : 0)); });
}

void FSBytes::refer(const unsigned char* lead, int leadCount, const unsigned char* bytes, int count) {
    assign(lead, leadCount);
    if (bytes != nullptr && count > 0) {
        referred = bytes;
        referredCount = count;
    }
}

void FSBytes::clear() {
    owned.clear();
    owned.shrink_to_fit();
    referred = nullptr;
    referredCount = 0;
}

void FSBytes::join() const {
    if (referredCount == 0)
        return;
    allocating(copyFailure, [&] { owned.insert(owned.end(), referred, referred + referredCount); });
    referred = nullptr;
    referredCount = 0;
}

const unsigned char* FSBytes::data() const {
    join();
    return owned.empty() ? nullptr : owned.data();
}

unsigned char* FSBytes::writable() {
    join();
    return owned.empty() ? nullptr : owned.data();
}

void FSBytes::writeTo(FSStream& stream) const {
    stream.writeBytes(owned.data(), static_cast<int>(owned.size()));
    stream.writeBytes(referred, referredCount);
}

} // namespace transform
