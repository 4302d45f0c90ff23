#include "transform/FSShowFrame.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSShowFrame::FSShowFrame(FSStream& stream) : FSShowFrame() { decode(stream); }

FSTransformObject* FSShowFrame::clone() const { return allocateObject<FSShowFrame>("Cannot allocate memory", *this); }

int FSShowFrame::length(FSStream& stream) { return FSMovieObject::length(stream); }

void FSShowFrame::encodeBody(FSStream&) {}

void FSShowFrame::decodeBody(FSStream&, int) {}

} // namespace transform
