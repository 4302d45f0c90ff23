#ifndef TRANSFORM_FSSETBACKGROUNDCOLOR_H
#define TRANSFORM_FSSETBACKGROUNDCOLOR_H

#include "transform/FSColor.h"
#include "transform/FSMovieObject.h"

namespace transform {

class FSSetBackgroundColor : public FSMovieObject {
public:
    explicit FSSetBackgroundColor(const FSColor& color = FSColor()) : FSMovieObject(SetBackgroundColor), color(color) {}
    explicit FSSetBackgroundColor(FSStream& stream);

    const char* className() const override { return "FSSetBackgroundColor"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSColor color;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
