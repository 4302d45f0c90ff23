#ifndef TRANSFORM_FSDEFINEFONT2_H
#define TRANSFORM_FSDEFINEFONT2_H

#include "transform/FSBytes.h"
#include "transform/FSMovieObject.h"

#include <string>

namespace transform {

// A font by name. Without glyphs it is a device font: the player draws the
// text with a system font of that name ("_sans", "_serif", "_typewriter").
// Glyph tables of embedded fonts are kept as read, not modelled.
class FSDefineFont2 : public FSDefineObject {
public:
    enum Flags { Bold = 0x01, Italic = 0x02, WideCodes = 0x04, WideOffsets = 0x08, Ansi = 0x10,
                 SmallText = 0x20, ShiftJis = 0x40, HasLayout = 0x80 };

    explicit FSDefineFont2(int identifier = 0, const char* name = "_sans", int flags = 0);
    FSDefineFont2(const FSDefineFont2&) = default;
    explicit FSDefineFont2(FSStream& stream);
    FSDefineFont2& operator=(const FSDefineFont2&) = delete;

    const char* className() const override { return "FSDefineFont2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int flags;
    int language = 0;
    std::string name;
    // Everything after the name: the glyph count (0 for a device font) and
    // any tables.
    FSBytes glyphData;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
