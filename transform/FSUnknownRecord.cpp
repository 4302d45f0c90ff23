#include "transform/FSUnknownRecord.h"

#include "transform/FSAllocation.h"

#include <type_traits>

namespace transform {

namespace {

template <typename Record>
constexpr bool IsAction = std::is_same_v<Record, FSActionObject>;

template <typename Record>
constexpr const char* CopyFailure =
    IsAction<Record> ? "Cannot allocate memory to copy and FSUnknownAction." : "Cannot allocate memory";

} // namespace

template <typename Record>
FSUnknownRecord<Record>::FSUnknownRecord() : FSRawBody<Record>(0, CopyFailure<Record>) {}

template <typename Record>
FSUnknownRecord<Record>::FSUnknownRecord(int code, const unsigned char* bytes, int count)
    : FSRawBody<Record>(code, CopyFailure<Record>, FSBytes(bytes, count, CopyFailure<Record>)) {
    // The length is known: the record encodes right even before it is measured.
    this->bodyLength = this->getSize();
}

template <typename Record>
FSUnknownRecord<Record>::FSUnknownRecord(FSStream& stream) : FSUnknownRecord() {
    this->decode(stream);
}

template <typename Record>
const char* FSUnknownRecord<Record>::className() const {
    return IsAction<Record> ? "FSUnknownAction" : "FSUnknownTag";
}

template <typename Record>
FSTransformObject* FSUnknownRecord<Record>::clone() const {
    return allocateObject<FSUnknownRecord>(CopyFailure<Record>, *this);
}

template class FSUnknownRecord<FSMovieObject>;
template class FSUnknownRecord<FSActionObject>;

} // namespace transform
