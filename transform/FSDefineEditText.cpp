#include "transform/FSDefineEditText.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {

enum HasFlags { HasText = 0x8000, HasTextColor = 0x0400, HasMaxLength = 0x0200, HasFont = 0x0100,
                HasLayout = 0x0020 };
const int OptionMask = 0x7000 | 0x0800 | 0x0040 | 0x0010 | 0x0008 | 0x0002 | 0x0001;

// Text colours carry alpha; the stream's colour context says so while
// this tag reads or writes its colour.
class AlphaColours {
public:
    explicit AlphaColours(FSStream& stream) : stream(stream), previous(stream.getContext(FSStream::AlphaContext)) {
        stream.setContext(FSStream::AlphaContext, 1);
    }
    ~AlphaColours() { stream.setContext(FSStream::AlphaContext, previous); }

private:
    FSStream& stream;
    int previous;
};

} // namespace

FSDefineEditText::FSDefineEditText(FSStream& stream) : FSDefineEditText() { decode(stream); }

FSTransformObject* FSDefineEditText::clone() const {
    return allocateObject<FSDefineEditText>("Cannot allocate memory", *this);
}

int FSDefineEditText::flagWord() const {
    int word = options & OptionMask;
    if (!initialText.isEmpty())
        word |= HasText;
    if (hasColor)
        word |= HasTextColor;
    if (maxLength > 0)
        word |= HasMaxLength;
    if (font != 0)
        word |= HasFont;
    if (hasLayout)
        word |= HasLayout;
    return word;
}

int FSDefineEditText::length(FSStream& stream) {
    FSMovieObject::length(stream);
    int word = flagWord();
    int size = 2 + bounds.length(stream) + 2;
    if (word & HasFont)
        size += 4;
    if (word & HasTextColor)
        size += 4;
    if (word & HasMaxLength)
        size += 2;
    if (word & HasLayout)
        size += 9;
    size += variable.textSize();
    if (word & HasText)
        size += initialText.textSize();
    bodyLength += size;
    return bodyLength;
}

void FSDefineEditText::encodeBody(FSStream& stream) {
    int word = flagWord();
    stream.writeWord(identifier, 16);
    bounds.encode(stream);
    stream.writeWord(word >> 8, 8);
    stream.writeWord(word & 0xFF, 8);
    if (word & HasFont) {
        stream.writeWord(font, 16);
        stream.writeWord(fontHeight, 16);
    }
    if (word & HasTextColor) {
        AlphaColours alpha(stream);
        color.encode(stream);
    }
    if (word & HasMaxLength)
        stream.writeWord(maxLength, 16);
    if (word & HasLayout) {
        stream.writeWord(alignment, 8);
        stream.writeWord(leftMargin, 16);
        stream.writeWord(rightMargin, 16);
        stream.writeWord(indent, 16);
        stream.writeWord(leading, 16);
    }
    variable.encodeText(stream);
    if (word & HasText)
        initialText.encodeText(stream);
}

void FSDefineEditText::decodeBody(FSStream& stream, int end) {
    identifier = stream.readWord(16, false);
    bounds.decode(stream);
    int word = stream.readWord(8, false) << 8;
    word |= stream.readWord(8, false);
    options = word & OptionMask;
    font = 0;
    if (word & HasFont) {
        font = stream.readWord(16, false);
        fontHeight = stream.readWord(16, false);
    }
    hasColor = word & HasTextColor;
    if (hasColor) {
        AlphaColours alpha(stream);
        color.decode(stream);
    }
    maxLength = (word & HasMaxLength) ? stream.readWord(16, false) : 0;
    hasLayout = word & HasLayout;
    if (hasLayout) {
        alignment = stream.readWord(8, false);
        leftMargin = stream.readWord(16, false);
        rightMargin = stream.readWord(16, false);
        indent = stream.readWord(16, false);
        leading = stream.readWord(16, true);
    }
    variable.decodeText(stream);
    initialText = "";
    if (word & HasText)
        initialText.decodeText(stream);
    stream.requireWithin(end);
}

} // namespace transform
