#include "transform/FSOneFieldActions.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {

int fieldSize(const FSFrameNumberField&) { return 2; }
int fieldSize(const FSRegisterNumberField&) { return 1; }
int fieldSize(const FSTargetField& field) { return field.target.textSize(); }
int fieldSize(const FSLabelField& field) { return field.label.textSize(); }

void encodeField(FSStream& stream, const FSFrameNumberField& field) { stream.writeWord(field.frameNumber, 16); }
void encodeField(FSStream& stream, const FSRegisterNumberField& field) { stream.writeWord(field.registerNumber, 8); }
void encodeField(FSStream& stream, const FSTargetField& field) { field.target.encodeText(stream); }
void encodeField(FSStream& stream, const FSLabelField& field) { field.label.encodeText(stream); }

void decodeField(FSStream& stream, FSFrameNumberField& field) { field.frameNumber = stream.readWord(16, false); }
void decodeField(FSStream& stream, FSRegisterNumberField& field) { field.registerNumber = stream.readWord(8, false); }
void decodeField(FSStream& stream, FSTargetField& field) { field.target.decodeText(stream); }
void decodeField(FSStream& stream, FSLabelField& field) { field.label.decodeText(stream); }

} // namespace

template <int Code, typename Field>
const char* FSOneFieldAction<Code, Field>::className() const {
    switch (Code) {
    case 0x81: return "FSGotoFrame";
    case 0x87: return "FSRegisterCopy";
    case 0x8B: return "FSSetTarget";
    default: return "FSGotoLabel";
    }
}

template <int Code, typename Field>
FSTransformObject* FSOneFieldAction<Code, Field>::clone() const {
    return allocateObject<FSOneFieldAction>("Cannot allocate memory for action object.", *this);
}

template <int Code, typename Field>
int FSOneFieldAction<Code, Field>::length(FSStream&) {
    return bodyLength = fieldSize(*this);
}

template <int Code, typename Field>
void FSOneFieldAction<Code, Field>::encodeBody(FSStream& stream) {
    encodeField(stream, *this);
}

template <int Code, typename Field>
void FSOneFieldAction<Code, Field>::decodeBody(FSStream& stream, int end) {
    decodeField(stream, *this);
    stream.requireWithin(end);
}

template class FSOneFieldAction<0x81, FSFrameNumberField>;
template class FSOneFieldAction<0x87, FSRegisterNumberField>;
template class FSOneFieldAction<0x8B, FSTargetField>;
template class FSOneFieldAction<0x8C, FSLabelField>;

} // namespace transform
