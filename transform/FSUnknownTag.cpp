#include "transform/FSUnknownTag.h"

#include "transform/FSAllocation.h"

namespace transform {

namespace {
const char* const CopyFailure = "Cannot allocate memory";
} // namespace

FSUnknownTag::FSUnknownTag() : FSRawBodyTag(0, CopyFailure) {}

FSUnknownTag::FSUnknownTag(int code, const unsigned char* bytes, int count)
    : FSRawBodyTag(code, CopyFailure, FSBytes(bytes, count, CopyFailure)) {}

FSUnknownTag::FSUnknownTag(FSStream& stream) : FSUnknownTag() { decode(stream); }

FSTransformObject* FSUnknownTag::clone() const { return allocateObject<FSUnknownTag>(CopyFailure, *this); }

} // namespace transform
