#ifndef TRANSFORM_FSDEFINEEDITTEXT_H
#define TRANSFORM_FSDEFINEEDITTEXT_H

#include "transform/FSBounds.h"
#include "transform/FSColor.h"
#include "transform/FSMovieObject.h"
#include "transform/FSString.h"

namespace transform {

// A text field bound to a timeline variable: it shows the variable's
// value. The "has" flags follow from the fields; the others are options.
class FSDefineEditText : public FSDefineObject {
public:
    enum Options { WordWrap = 0x4000, Multiline = 0x2000, Password = 0x1000, ReadOnly = 0x0800,
                   AutoSize = 0x0040, NoSelect = 0x0010, Border = 0x0008, Html = 0x0002,
                   UseOutlines = 0x0001 };
    enum Alignment { Left = 0, Right = 1, Center = 2, Justify = 3 };

    explicit FSDefineEditText(int identifier = 0) : FSDefineObject(DefineEditText, identifier) {}
    explicit FSDefineEditText(FSStream& stream);

    const char* className() const override { return "FSDefineEditText"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSBounds bounds;
    int options = ReadOnly | NoSelect;
    int font = 0;        // 0: no font given
    int fontHeight = 240; // twips
    bool hasColor = false;
    FSColor color;
    int maxLength = 0;   // 0: no limit given
    bool hasLayout = false;
    int alignment = Left;
    int leftMargin = 0, rightMargin = 0, indent = 0, leading = 0;
    FSString variable;
    FSString initialText;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;

private:
    int flagWord() const;
};

} // namespace transform

#endif
