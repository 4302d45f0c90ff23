#ifndef TRANSFORM_FSDEFINESHAPE_H
#define TRANSFORM_FSDEFINESHAPE_H

#include "transform/FSBounds.h"
#include "transform/FSColor.h"
#include "transform/FSMovieObject.h"

#include <vector>

namespace transform {

// One record of a shape's outline: a style change (with an optional move),
// a straight edge, or a curve, all in twips relative to the pen.
struct FSShapeRecord {
    enum Kind { StyleChange, Line, Curve };
    Kind kind = StyleChange;
    bool moves = false;
    int x = 0, y = 0;                  // move target, or the edge's delta
    int controlX = 0, controlY = 0;    // curves: delta to the control point first
    int fill0 = -1, fill1 = -1, line = -1; // style indices; -1 leaves a style as it is

    static FSShapeRecord moveTo(int x, int y, int fill1 = -1, int line = -1);
    static FSShapeRecord lineBy(int dx, int dy);
};

struct FSLineStyle {
    int width = 20;
    FSColor color;
};

// A shape of solid fills and lines (the first DefineShape form: colours
// without alpha, at most 255 styles of each kind).
class FSDefineShape : public FSDefineObject {
public:
    explicit FSDefineShape(int identifier = 0) : FSDefineObject(DefineShape, identifier) {}
    explicit FSDefineShape(FSStream& stream);

    // A filled rectangle with an optional outline (lineWidth 0: none).
    static FSDefineShape* rectangle(int identifier, const FSBounds& area, const FSColor& fill, int lineWidth = 0,
                                    const FSColor& lineColor = FSColor());

    const char* className() const override { return "FSDefineShape"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSBounds bounds;
    std::vector<FSColor> fillStyles;
    std::vector<FSLineStyle> lineStyles;
    std::vector<FSShapeRecord> records;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;

private:
    int fillBits() const;
    int lineBits() const;
    int recordBits(const FSShapeRecord& record) const;
    void encodeShapeRecord(FSStream& stream, const FSShapeRecord& record) const;
    bool decodeShapeRecord(FSStream& stream, int fillBitCount, int lineBitCount);
    int stylesSize() const;
};

} // namespace transform

#endif
