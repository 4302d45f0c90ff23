#ifndef TRANSFORM_FSEXCEPTION_H
#define TRANSFORM_FSEXCEPTION_H

#include <string>

namespace transform {

// The library's exceptions, thrown by value. They carry a fixed English
// message; none of them has virtual functions.
class FSException {
public:
    explicit FSException(const char* message) : text(message ? message : "") {}

    const char* message() const { return text.c_str(); }

private:
    std::string text;
};

class FSAllocationException : public FSException {
public:
    using FSException::FSException;
};

class FSFormatException : public FSException {
public:
    using FSException::FSException;
};

class FSFileOpenException : public FSException {
public:
    using FSException::FSException;
};

class FSAccessException : public FSException {
public:
    using FSException::FSException;
};

class FSIndexOutOfBoundsException : public FSException {
public:
    FSIndexOutOfBoundsException(const char* message, int index, int bound)
        : FSException(message), index(index), bound(bound) {}

    int getIndex() const { return index; }
    int getBound() const { return bound; }

private:
    int index;
    int bound;
};

class FSArrayIndexOutOfBoundsException : public FSIndexOutOfBoundsException {
public:
    using FSIndexOutOfBoundsException::FSIndexOutOfBoundsException;
};

} // namespace transform

#endif
