#include "transform/FSWith.h"

#include "transform/FSAllocation.h"

namespace transform {

FSWith::FSWith(FSStream& stream) : FSWith() { decode(stream); }

FSTransformObject* FSWith::clone() const {
    return allocateObject<FSWith>("Cannot allocate memory for action object.", *this);
}

} // namespace transform
