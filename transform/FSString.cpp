#include "transform/FSString.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

#include <cstring>

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory to copy an FSString.";

char* newText(int bytes) {
    try {
        return new char[static_cast<size_t>(bytes)]();
    } catch (const std::bad_alloc&) {
        throw FSAllocationException(CopyFailure);
    }
}
} // namespace

FSString::FSString(const char* value) : FSValue(String), text(nullptr), textLength(0), bufferSize(0) {
    assign(value);
}

FSString::FSString(const FSString& other) : FSString(other.text) {}

FSString::FSString(FSStream& stream) : FSString() { decode(stream); }

FSString& FSString::operator=(const FSString& other) {
    if (this != &other)
        assign(other.text);
    return *this;
}

FSString& FSString::operator=(const char* value) {
    if (value != text)
        assign(value);
    return *this;
}

FSString::~FSString() { delete[] text; }

void FSString::assign(const char* value) {
    int count = value ? static_cast<int>(std::strlen(value)) : 0;
    if (text == nullptr || bufferSize < count + 1) {
        char* buffer = newText(count + 1);
        delete[] text;
        text = buffer;
        bufferSize = count + 1;
    }
    if (count > 0)
        std::memcpy(text, value, static_cast<size_t>(count));
    text[count] = '\0';
    textLength = count;
}

FSTransformObject* FSString::clone() const { return allocateObject<FSString>(CopyFailure, *this); }

int FSString::length(FSStream&) { return 1 + textLength + 1; }

void FSString::encodeRecord(FSStream& stream) {
    stream.writeWord(type, 8);
    encodeText(stream);
}

void FSString::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    decodeText(stream);
}

void FSString::encodeText(FSStream& stream) const {
    stream.writeBytes(reinterpret_cast<const unsigned char*>(text), textLength);
    stream.writeWord(0, 8);
}

void FSString::decodeText(FSStream& stream) {
    auto characters = stream.readString();
    assign(characters.get());
}

bool operator==(const FSString& left, const FSString& right) {
    return std::strcmp(left.getText(), right.getText()) == 0;
}

} // namespace transform
