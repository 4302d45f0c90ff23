#ifndef TRANSFORM_FSACTION_H
#define TRANSFORM_FSACTION_H

#include "transform/FSActionObject.h"

namespace transform {

// An action without parameters. Its className is the action's name, or
// "Action" for codes that have none.
class FSAction : public FSActionObject {
public:
    enum Code {
        NextFrame = 0x04, PrevFrame = 0x05, Play = 0x06, Stop = 0x07, ToggleQuality = 0x08,
        StopSounds = 0x09, IntegerAdd = 0x0A, Subtract = 0x0B, Multiply = 0x0C, Divide = 0x0D,
        IntegerEquals = 0x0E, IntegerLess = 0x0F, And = 0x10, Or = 0x11, Not = 0x12,
        StringEquals = 0x13, StringLength = 0x14, StringExtract = 0x15, Pop = 0x17, ToInteger = 0x18,
        GetVariable = 0x1C, SetVariable = 0x1D, SetTarget2 = 0x20, StringAdd = 0x21, GetProperty = 0x22,
        SetProperty = 0x23, CloneSprite = 0x24, RemoveSprite = 0x25, Trace = 0x26, StartDrag = 0x27,
        EndDrag = 0x28, StringLess = 0x29, RandomNumber = 0x30, MBStringLength = 0x31,
        CharToAscii = 0x32, AsciiToChar = 0x33, GetTime = 0x34, MBStringExtract = 0x35,
        MBCharToAscii = 0x36, MBAsciiToChar = 0x37, DeleteVariable = 0x3A, Delete = 0x3B,
        InitVariable = 0x3C, ExecuteFunction = 0x3D, Return = 0x3E, Modulo = 0x3F, NamedObject = 0x40,
        NewVariable = 0x41, NewArray = 0x42, NewObject = 0x43, GetType = 0x44, GetTarget = 0x45,
        Enumerate = 0x46, Add = 0x47, Less = 0x48, Equals = 0x49, ToNumber = 0x4A, ToString = 0x4B,
        Duplicate = 0x4C, Swap = 0x4D, GetAttribute = 0x4E, SetAttribute = 0x4F, Increment = 0x50,
        Decrement = 0x51, ExecuteMethod = 0x52, NewMethod = 0x53, BitwiseAnd = 0x60, BitwiseOr = 0x61,
        BitwiseXOr = 0x62, LogicalShiftLeft = 0x63, ArithmeticShiftRight = 0x64, LogicalShiftRight = 0x65,
    };

    explicit FSAction(int code = 0) : FSActionObject(code) {}
    explicit FSAction(FSStream& stream);

    const char* className() const override;
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    // The name of a basic action code, or "Action".
    static const char* nameOf(int code);

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
