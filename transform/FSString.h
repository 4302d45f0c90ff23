#ifndef TRANSFORM_FSSTRING_H
#define TRANSFORM_FSSTRING_H

#include "transform/FSValue.h"

namespace transform {

// Text: a push value of type 0, and the string member of other objects,
// where it is written as its characters and a NUL without the type byte.
// The text is never null; the empty string holds just the NUL.
class FSString : public FSValue {
public:
    FSString(const char* value = nullptr);
    FSString(const FSString& other);
    explicit FSString(FSStream& stream);
    FSString& operator=(const FSString& other);
    FSString& operator=(const char* value);
    ~FSString() override;

    const char* className() const override { return "FSString"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    int size() const override { return textLength; }

    const char* getText() const { return text; }
    bool isEmpty() const { return textLength == 0; }

    // The string as a member of another object: characters and a NUL.
    int textSize() const { return textLength + 1; }
    void encodeText(FSStream& stream) const;
    void decodeText(FSStream& stream);

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;

private:
    void assign(const char* value);

    char* text;
    int textLength;
    int bufferSize;
};

bool operator==(const FSString& left, const FSString& right);

} // namespace transform

#endif
