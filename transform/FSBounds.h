#ifndef TRANSFORM_FSBOUNDS_H
#define TRANSFORM_FSBOUNDS_H

#include "transform/FSTransformObject.h"

namespace transform {

// SWF measures lengths in twips, twenty to a pixel.
inline constexpr int TwipsPerPixel = 20;

// A rectangle in twips, coded as a RECT: a 5-bit field width, then minX,
// maxX, minY and maxY as signed fields of that width.
class FSBounds : public FSTransformObject {
public:
    FSBounds(int minX = 0, int minY = 0, int maxX = 0, int maxY = 0)
        : minX(minX), minY(minY), maxX(maxX), maxY(maxY) {}
    explicit FSBounds(FSStream& stream);

    const char* className() const override { return "FSBounds"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int minX;
    int minY;
    int maxX;
    int maxY;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;

private:
    int fieldSize() const;
};

} // namespace transform

#endif
