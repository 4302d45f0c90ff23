#include "transform/FSPushValues.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {
const char* const ValueCopyFailure = "Cannot allocate new data type for FSPush object.";
} // namespace

FSInteger::FSInteger(FSStream& stream) : FSInteger() { decode(stream); }

FSTransformObject* FSInteger::clone() const { return allocateObject<FSInteger>(ValueCopyFailure, *this); }

int FSInteger::length(FSStream&) { return 5; }

void FSInteger::encodeRecord(FSStream& stream) {
    stream.writeWord(type, 8);
    stream.writeWord(value, 32);
}

void FSInteger::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    value = stream.readWord(32, true);
}

FSDouble::FSDouble(FSStream& stream) : FSDouble() { decode(stream); }

FSTransformObject* FSDouble::clone() const { return allocateObject<FSDouble>(ValueCopyFailure, *this); }

int FSDouble::length(FSStream&) { return 9; }

void FSDouble::encodeRecord(FSStream& stream) {
    stream.writeWord(type, 8);
    stream.writeDouble(value);
}

void FSDouble::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    value = stream.readDouble();
}

FSBoolean::FSBoolean(FSStream& stream) : FSBoolean() { decode(stream); }

FSTransformObject* FSBoolean::clone() const { return allocateObject<FSBoolean>(ValueCopyFailure, *this); }

int FSBoolean::length(FSStream&) { return 2; }

void FSBoolean::encodeRecord(FSStream& stream) {
    stream.writeWord(type, 8);
    stream.writeWord(value ? 1 : 0, 8);
}

void FSBoolean::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    value = stream.readWord(8, false) == 1;
}

FSNull::FSNull(FSStream& stream) : FSNull() { decode(stream); }

FSTransformObject* FSNull::clone() const { return allocateObject<FSNull>(ValueCopyFailure, *this); }

int FSNull::length(FSStream&) { return 1; }

void FSNull::encodeRecord(FSStream& stream) { stream.writeWord(type, 8); }

void FSNull::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
}

FSVoid::FSVoid(FSStream& stream) : FSVoid() { decode(stream); }

FSTransformObject* FSVoid::clone() const { return allocateObject<FSVoid>(ValueCopyFailure, *this); }

int FSVoid::length(FSStream&) { return 1; }

void FSVoid::encodeRecord(FSStream& stream) { stream.writeWord(type, 8); }

void FSVoid::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
}

FSRegisterIndex::FSRegisterIndex(FSStream& stream) : FSRegisterIndex() { decode(stream); }

FSTransformObject* FSRegisterIndex::clone() const {
    return allocateObject<FSRegisterIndex>(ValueCopyFailure, *this);
}

int FSRegisterIndex::length(FSStream&) { return 2; }

void FSRegisterIndex::encodeRecord(FSStream& stream) {
    stream.writeWord(type, 8);
    stream.writeWord(index, 8);
}

void FSRegisterIndex::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    index = stream.readWord(8, false);
}

FSTableIndex::FSTableIndex(FSStream& stream) : FSTableIndex() { decode(stream); }

FSTransformObject* FSTableIndex::clone() const { return allocateObject<FSTableIndex>(ValueCopyFailure, *this); }

int FSTableIndex::length(FSStream&) { return size(); }

void FSTableIndex::encodeRecord(FSStream& stream) {
    type = index < 256 ? TableIndex : LongTableIndex;
    stream.writeWord(type, 8);
    stream.writeWord(index, type == TableIndex ? 8 : 16);
}

void FSTableIndex::decodeRecord(FSStream& stream) {
    type = stream.readWord(8, false);
    index = stream.readWord(type == TableIndex ? 8 : 16, false);
}

} // namespace transform
