#ifndef TRANSFORM_FSMATRIX_H
#define TRANSFORM_FSMATRIX_H

#include "transform/FSTransformObject.h"

namespace transform {

// A placement: scale (16.16 fixed point, written only when not 1) and
// translation in twips. Rotation is not modelled; a decoded rotation is
// kept so that the matrix encodes as it was read.
class FSMatrix : public FSTransformObject {
public:
    FSMatrix(int translateX = 0, int translateY = 0, double scaleX = 1.0, double scaleY = 1.0)
        : translateX(translateX), translateY(translateY), scaleX(fixed(scaleX)), scaleY(fixed(scaleY)) {}
    explicit FSMatrix(FSStream& stream);

    const char* className() const override { return "FSMatrix"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    static int fixed(double value) { return static_cast<int>(value * 65536.0 + (value < 0 ? -0.5 : 0.5)); }

    int translateX;
    int translateY;
    int scaleX;
    int scaleY;
    int rotate0 = 0;
    int rotate1 = 0;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;

private:
    bool hasScale() const { return scaleX != 65536 || scaleY != 65536; }
    bool hasRotate() const { return rotate0 != 0 || rotate1 != 0; }
    int bitCount() const;
};

} // namespace transform

#endif
