#ifndef TRANSFORM_FSACTIONLIST_H
#define TRANSFORM_FSACTIONLIST_H

#include "transform/FSActionObject.h"
#include "transform/FSArray.h"

namespace transform {

class FSStream;

using FSActionList = FSArray<FSActionObject*>;

// The encoded size of a list: each record's body plus its header. Measures
// every action as it goes.
int actionListSize(FSActionList& actions, FSStream& stream);
// The same size from the lengths the last measurement cached.
int measuredListSize(const FSActionList& actions);
void encodeActionList(FSActionList& actions, FSStream& stream);

// The action factory: decodes the record at the pointer as the class its
// code names and leaves the pointer after it. Returns null for the end code.
// A record reaching beyond `limitBits` is a format error.
FSActionObject* decodeAction(FSStream& stream, int limitBits);

// Decodes actions up to `endBits`, where the list's declared size ends; the
// records must fill it exactly.
void decodeActionList(FSStream& stream, FSActionList& actions, int endBits);

// For records whose action list follows their header: reads the list's
// UI16 size, which must end the header at `headerEnd`, then the list.
// Returns the list's size.
int decodeTrailingActionList(FSStream& stream, FSActionList& actions, int headerEnd);

} // namespace transform

#endif
