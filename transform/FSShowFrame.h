#ifndef TRANSFORM_FSSHOWFRAME_H
#define TRANSFORM_FSSHOWFRAME_H

#include "transform/FSMovieObject.h"

namespace transform {

class FSShowFrame : public FSMovieObject {
public:
    FSShowFrame() : FSMovieObject(ShowFrame) {}
    explicit FSShowFrame(FSStream& stream);

    const char* className() const override { return "FSShowFrame"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
