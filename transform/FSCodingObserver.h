#ifndef TRANSFORM_FSCODINGOBSERVER_H
#define TRANSFORM_FSCODINGOBSERVER_H

namespace transform {

// What the stream tells an observer: an object begins or ends, or a tag's
// length did not match what it wrote.
struct FSCodingEvent {
    enum Kind { Encoding = 0, Decoding = 1 };
    enum Event { Begin = 0, End = 1, Error = 3 };

    int kind = Encoding;
    int event = Begin;
    int position = 0;
    int reserved = 0;
    char name[32] = {};
    char message[256] = {};
};

class FSCodingObserver {
public:
    virtual ~FSCodingObserver() = default;
    virtual void receive(FSCodingEvent event) = 0;
};

} // namespace transform

#endif
