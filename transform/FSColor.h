#ifndef TRANSFORM_FSCOLOR_H
#define TRANSFORM_FSCOLOR_H

#include "transform/FSTransformObject.h"

namespace transform {

// Red, green, blue and alpha; the alpha byte is coded only when the
// stream's context says colours carry one.
class FSColor : public FSTransformObject {
public:
    FSColor(int red = 0, int green = 0, int blue = 0, int alpha = 255)
        : red(red), green(green), blue(blue), alpha(alpha) {}
    explicit FSColor(FSStream& stream);

    const char* className() const override { return "FSColor"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int red;
    int green;
    int blue;
    int alpha;

protected:
    void encodeRecord(FSStream& stream) override;
    void decodeRecord(FSStream& stream) override;
};

} // namespace transform

#endif
