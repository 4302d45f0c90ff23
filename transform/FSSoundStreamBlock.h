#ifndef TRANSFORM_FSSOUNDSTREAMBLOCK_H
#define TRANSFORM_FSSOUNDSTREAMBLOCK_H

#include "transform/FSRawBody.h"

namespace transform {

// One movie frame's share of a streaming sound. Its body is the data bytes.
class FSSoundStreamBlock : public FSRawBodyTag {
public:
    FSSoundStreamBlock();
    explicit FSSoundStreamBlock(FSBytes data);
    explicit FSSoundStreamBlock(FSStream& stream);
    FSSoundStreamBlock(const FSSoundStreamBlock&) = default;
    FSSoundStreamBlock& operator=(const FSSoundStreamBlock&) = delete;

    const char* className() const override { return "FSSoundStreamBlock"; }
    FSTransformObject* clone() const override;
};

} // namespace transform

#endif
