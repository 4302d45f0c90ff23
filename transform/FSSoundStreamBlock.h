#ifndef TRANSFORM_FSSOUNDSTREAMBLOCK_H
#define TRANSFORM_FSSOUNDSTREAMBLOCK_H

#include "transform/FSMovieObject.h"

#include <memory>

namespace transform {

// One movie frame's share of a streaming sound. Its body is the data bytes.
class FSSoundStreamBlock : public FSMovieObject {
public:
    FSSoundStreamBlock() : FSMovieObject(SoundStreamBlock) {}
    FSSoundStreamBlock(std::unique_ptr<unsigned char[]> data, int size);
    FSSoundStreamBlock(const FSSoundStreamBlock& other);
    explicit FSSoundStreamBlock(FSStream& stream);
    FSSoundStreamBlock& operator=(const FSSoundStreamBlock&) = delete;

    const char* className() const override { return "FSSoundStreamBlock"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;
    void encode(FSStream& stream) override;
    void decode(FSStream& stream) override;

    const unsigned char* getData() const { return data.get(); }
    int getSize() const { return size; }

private:
    std::unique_ptr<unsigned char[]> data;
    int size = 0;
};

} // namespace transform

#endif
