#include "transform/FSActionList.h"

#include "transform/FSStream.h"

#include <memory>

namespace transform {

int actionListSize(FSActionList& actions, FSStream& stream) {
    int total = 0;
    for (FSActionObject* action : actions) {
        action->length(stream);
        total += action->recordSize();
    }
    return total;
}

int measuredListSize(const FSActionList& actions) {
    int total = 0;
    for (const FSActionObject* action : actions)
        total += action->recordSize();
    return total;
}

void encodeActionList(FSActionList& actions, FSStream& stream) {
    for (FSActionObject* action : actions)
        action->encode(stream);
}

void decodeActionList(FSStream& stream, FSActionList& actions, int endBits) {
    while (stream.getPointer() < endBits) {
        std::unique_ptr<FSActionObject> action(decodeAction(stream, endBits));
        if (!action)
            stream.failDecoding("its action list ends before its declared size.");
        actions.append(action.get());
        action.release();
    }
}

int decodeTrailingActionList(FSStream& stream, FSActionList& actions, int headerEnd) {
    int listSize = stream.readWord(16, false);
    if (stream.getPointer() != headerEnd)
        stream.failDecoding("its declared length does not match its fields.");
    decodeActionList(stream, actions, stream.endAfter(listSize, stream.endOfData()));
    return listSize;
}

} // namespace transform
