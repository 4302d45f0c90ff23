#ifndef TRANSFORM_FSBLOCKACTION_H
#define TRANSFORM_FSBLOCKACTION_H

#include "transform/FSActionList.h"

namespace transform {

// An action record whose action list follows it: the record's own fields,
// the list's UI16 size, then the list. The header's length covers the
// fields and the size field but not the list. The record owns the list: it
// deletes it and copies it deeply.
class FSBlockAction : public FSActionObject {
public:
    FSBlockAction& operator=(const FSBlockAction&) = delete;
    ~FSBlockAction() override;

    int length(FSStream& stream) final;
    // The list follows the header, beyond the length it declares.
    bool endsWhereDecodingEnds() const final { return true; }

    FSActionList actions;

protected:
    // Ownership of the actions passes to the record.
    explicit FSBlockAction(int type, const FSActionList& actions = FSActionList())
        : FSActionObject(type), actions(actions) {}
    FSBlockAction(const FSBlockAction& other);

    // The record's own fields, ahead of the list's size.
    virtual int fieldsLength(FSStream& stream) = 0;
    virtual void encodeFields(FSStream& stream) = 0;
    // Replaces the fields; `headerEnd` is where the header says they end.
    virtual void decodeFields(FSStream& stream, int headerEnd) = 0;

private:
    int headerLength() const final;
    void encodeBody(FSStream& stream) final;
    void decodeBody(FSStream& stream, int headerEnd) final;
};

} // namespace transform

#endif
