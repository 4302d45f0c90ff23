#include "transform/FSAction.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {

struct ActionName {
    int code;
    const char* name;
};

const ActionName ActionNames[] = {
    {0x04, "NextFrame"}, {0x05, "PrevFrame"}, {0x06, "Play"}, {0x07, "Stop"},
    {0x08, "ToggleQuality"}, {0x09, "StopSounds"}, {0x0A, "IntegerAdd"}, {0x0B, "Subtract"},
    {0x0C, "Multiply"}, {0x0D, "Divide"}, {0x0E, "IntegerEquals"}, {0x0F, "IntegerLess"},
    {0x10, "And"}, {0x11, "Or"}, {0x12, "Not"}, {0x13, "StringEquals"},
    {0x14, "StringLength"}, {0x15, "StringExtract"}, {0x17, "Pop"}, {0x18, "ToInteger"},
    {0x1C, "GetVariable"}, {0x1D, "SetVariable"}, {0x20, "SetTarget2"}, {0x21, "StringAdd"},
    {0x22, "GetProperty"}, {0x23, "SetProperty"}, {0x24, "CloneSprite"}, {0x25, "RemoveSprite"},
    {0x26, "Trace"}, {0x27, "StartDrag"}, {0x28, "EndDrag"}, {0x29, "StringLess"},
    {0x30, "RandomNumber"}, {0x31, "MBStringLength"}, {0x32, "CharToAscii"}, {0x33, "AsciiToChar"},
    {0x34, "GetTime"}, {0x35, "MBStringExtract"}, {0x36, "MBCharToAscii"}, {0x37, "MBAsciiToChar"},
    {0x3A, "DeleteVariable"}, {0x3B, "Delete"}, {0x3C, "InitVariable"}, {0x3D, "ExecuteFunction"},
    {0x3E, "Return"}, {0x3F, "Modulo"}, {0x40, "NamedObject"}, {0x41, "NewVariable"},
    {0x42, "NewArray"}, {0x43, "NewObject"}, {0x44, "GetType"}, {0x45, "GetTarget"},
    {0x46, "Enumerate"}, {0x47, "Add"}, {0x48, "Less"}, {0x49, "Equals"},
    {0x4A, "ToNumber"}, {0x4B, "ToString"}, {0x4C, "Duplicate"}, {0x4D, "Swap"},
    {0x4E, "GetAttribute"}, {0x4F, "SetAttribute"}, {0x50, "Increment"}, {0x51, "Decrement"},
    {0x52, "ExecuteMethod"}, {0x53, "NewMethod"}, {0x60, "BitwiseAnd"}, {0x61, "BitwiseOr"},
    {0x62, "BitwiseXOr"}, {0x63, "LogicalShiftLeft"}, {0x64, "ArithmeticShiftRight"},
    {0x65, "LogicalShiftRight"},
};

} // namespace

const char* FSAction::nameOf(int code) {
    for (const ActionName& entry : ActionNames)
        if (entry.code == code)
            return entry.name;
    return "Action";
}

FSAction::FSAction(FSStream& stream) : FSAction() { decode(stream); }

const char* FSAction::className() const { return nameOf(type); }

FSTransformObject* FSAction::clone() const {
    return allocateObject<FSAction>("Cannot allocate memory for action object.", *this);
}

int FSAction::length(FSStream& stream) { return FSActionObject::length(stream); }

void FSAction::encodeBody(FSStream&) {}

void FSAction::decodeBody(FSStream&, int) {}

} // namespace transform
