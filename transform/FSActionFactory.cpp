#include "transform/FSActionList.h"

#include "transform/FSAction.h"
#include "transform/FSAllocation.h"
#include "transform/FSBranchActions.h"
#include "transform/FSExceptionHandler.h"
#include "transform/FSFrameActions.h"
#include "transform/FSNewFunction.h"
#include "transform/FSNewFunction2.h"
#include "transform/FSOneFieldActions.h"
#include "transform/FSPush.h"
#include "transform/FSTable.h"
#include "transform/FSStream.h"
#include "transform/FSUnknownRecord.h"
#include "transform/FSUrlActions.h"
#include "transform/FSWith.h"

#include <memory>

namespace transform {

namespace {

const char* const ActionAllocationFailure = "Cannot allocate memory for action object.";

bool isBasicAction(int code) {
    return (code >= 0x04 && code <= 0x15) || code == 0x17 || code == 0x18 || code == 0x1C || code == 0x1D ||
           (code >= 0x20 && code <= 0x2C) || (code >= 0x30 && code <= 0x37) || (code >= 0x3A && code <= 0x55) ||
           (code >= 0x60 && code <= 0x69);
}

template <typename T>
FSActionObject* make() {
    return allocateObject<T>(ActionAllocationFailure);
}

FSActionObject* newActionFor(int code) {
    if (isBasicAction(code))
        return allocateObject<FSAction>(ActionAllocationFailure, code);
    switch (code) {
    case 0x81: return make<FSGotoFrame>();
    case 0x83: return make<FSGetUrl>();
    case 0x87: return make<FSRegisterCopy>();
    case 0x88: return make<FSTable>();
    case 0x8A: return make<FSWaitForFrame>();
    case 0x8B: return make<FSSetTarget>();
    case 0x8C: return make<FSGotoLabel>();
    case 0x8D: return make<FSWaitForFrame2>();
    case 0x8E: return make<FSNewFunction2>();
    case 0x8F: return make<FSExceptionHandler>();
    case 0x94: return make<FSWith>();
    case 0x96: return make<FSPush>();
    case 0x99: return make<FSJump>();
    case 0x9A: return make<FSGetUrl2>();
    case 0x9B: return make<FSNewFunction>();
    case 0x9D: return make<FSIf>();
    case 0x9E: return make<FSCall>();
    case 0x9F: return make<FSGotoFrame2>();
    default: return make<FSUnknownAction>();
    }
}

} // namespace

FSActionObject* decodeAction(FSStream& stream, int limitBits) {
    int start = stream.getPointer();
    int code = stream.readWord(8, false);
    if (code == 0)
        return nullptr;
    int end = code >= 128 ? stream.endAfter(stream.readWord(16, false), limitBits) : stream.getPointer();
    if (end > limitBits)
        stream.failDecoding("its length runs past the end of its container.");

    stream.setPointer(start);
    std::unique_ptr<FSActionObject> action(newActionFor(code));
    action->decode(stream);
    if (action->endsWhereDecodingEnds()) {
        stream.setPointer(start + 24);
        end = stream.endAfter(action->bodyLength, limitBits);
    } else {
        stream.requireWithin(end);
    }
    stream.setPointer(end);
    return action.release();
}

} // namespace transform
