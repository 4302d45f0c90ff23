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
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    FSColor color;
};

} // namespace transform

#endif
