#include "transform/FSExceptionHandler.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

FSExceptionHandler::FSExceptionHandler(const FSExceptionHandler& other)
    : FSActionObject(other), registerNumber(other.registerNumber), name(other.name), tryLength(other.tryLength),
      catchLength(other.catchLength), finallyLength(other.finallyLength) {
    try {
        tryActions = cloneElements(other.tryActions);
        catchActions = cloneElements(other.catchActions);
        finallyActions = cloneElements(other.finallyActions);
    } catch (...) {
        deleteLists();
        throw;
    }
}

FSExceptionHandler::FSExceptionHandler(FSStream& stream) : FSExceptionHandler() { decode(stream); }

FSExceptionHandler::~FSExceptionHandler() { deleteLists(); }

void FSExceptionHandler::deleteLists() {
    for (FSActionList* list : {&tryActions, &catchActions, &finallyActions}) {
        deleteElements(*list);
        *list = FSActionList();
    }
}

FSTransformObject* FSExceptionHandler::clone() const {
    return allocateObject<FSExceptionHandler>("Cannot allocate memory for action object.", *this);
}

int FSExceptionHandler::length(FSStream& stream) {
    tryLength = actionListSize(tryActions, stream);
    catchLength = actionListSize(catchActions, stream);
    finallyLength = actionListSize(finallyActions, stream);
    return bodyLength = 7 + name.textSize() + tryLength + catchLength + finallyLength;
}

void FSExceptionHandler::encodeBody(FSStream& stream) {
    stream.writeBits(0, 5);
    stream.writeBits(name.isEmpty() ? 1 : 0, 1);
    stream.writeBits(catchActions.getCount() > 0 ? 1 : 0, 1);
    stream.writeBits(finallyActions.getCount() > 0 ? 1 : 0, 1);
    stream.writeWord(tryLength, 16);
    stream.writeWord(catchLength, 16);
    stream.writeWord(finallyLength, 16);
    if (name.isEmpty())
        stream.writeWord(registerNumber, 8);
    else
        name.encodeText(stream);
    for (FSActionList* list : {&tryActions, &catchActions, &finallyActions})
        encodeActionList(*list, stream);
}

void FSExceptionHandler::decodeBody(FSStream& stream, int end) {
    deleteLists();
    stream.readBits(5, false);
    bool toRegister = stream.readBits(1, false) != 0;
    stream.readBits(2, false);
    tryLength = stream.readWord(16, false);
    catchLength = stream.readWord(16, false);
    finallyLength = stream.readWord(16, false);
    if (toRegister) {
        registerNumber = stream.readWord(8, false);
        name = "";
    } else {
        name.decodeText(stream);
    }
    decodeActionList(stream, tryActions, stream.endAfter(tryLength, end));
    decodeActionList(stream, catchActions, stream.endAfter(catchLength, end));
    decodeActionList(stream, finallyActions, stream.endAfter(finallyLength, end));
    stream.requireWithin(end);
}

} // namespace transform
