#include "transform/FSRawBody.h"

#include "transform/FSStream.h"

#include <utility>

namespace transform {

template <typename Record>
FSRawBody<Record>::FSRawBody(int type, const char* copyFailure, FSBytes bytes) : FSRawBody(type, copyFailure) {
    body = std::move(bytes);
}

template <typename Record>
int FSRawBody<Record>::length(FSStream& stream) {
    Record::length(stream);
    return this->bodyLength = body.size();
}

template <typename Record>
void FSRawBody<Record>::encodeBody(FSStream& stream) {
    body.writeTo(stream);
}

template <typename Record>
void FSRawBody<Record>::decodeBody(FSStream& stream, int) {
    body = stream.readBytes(this->bodyLength);
}

template class FSRawBody<FSMovieObject>;
template class FSRawBody<FSActionObject>;

} // namespace transform
