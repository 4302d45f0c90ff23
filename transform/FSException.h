#ifndef TRANSFORM_FSEXCEPTION_H
#define TRANSFORM_FSEXCEPTION_H

#include <string>
#include <system_error>

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

// A file the system would not open, read or write: the system's reason is
// taken at the failing call, before anything else can change errno.
class FSSystemException : public FSException {
public:
    FSSystemException(const char* message, std::error_code reason) : FSException(message), why(reason) {}

    std::error_code reason() const { return why; }

private:
    std::error_code why;
};

class FSFileOpenException : public FSSystemException {
public:
    using FSSystemException::FSSystemException;
};

class FSAccessException : public FSSystemException {
public:
    using FSSystemException::FSSystemException;
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
