#include "transform/FSSoundStreamBlock.h"

#include "transform/FSAllocation.h"

#include <utility>

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory to copy an FSSoundStreamBlock.";
} // namespace

FSSoundStreamBlock::FSSoundStreamBlock() : FSRawBodyTag(SoundStreamBlock, CopyFailure) {}

FSSoundStreamBlock::FSSoundStreamBlock(FSBytes data) : FSRawBodyTag(SoundStreamBlock, CopyFailure, std::move(data)) {}

FSSoundStreamBlock::FSSoundStreamBlock(FSStream& stream) : FSSoundStreamBlock() { decode(stream); }

FSTransformObject* FSSoundStreamBlock::clone() const { return allocateObject<FSSoundStreamBlock>(CopyFailure, *this); }

} // namespace transform
