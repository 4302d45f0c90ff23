#ifndef TRANSFORM_FSWITH_H
#define TRANSFORM_FSWITH_H

#include "transform/FSBlockAction.h"

namespace transform {

// Runs the block's actions with the object on the stack as the scope. It has
// no fields of its own: the header's length covers only the list's size.
class FSWith : public FSBlockAction {
public:
    FSWith() : FSBlockAction(0x94) {}
    // Ownership of the actions passes to the record.
    explicit FSWith(const FSActionList& actions) : FSBlockAction(0x94, actions) {}
    explicit FSWith(FSStream& stream);

    const char* className() const override { return "FSWith"; }
    FSTransformObject* clone() const override;

protected:
    int fieldsLength(FSStream&) override { return 0; }
    void encodeFields(FSStream&) override {}
    void decodeFields(FSStream&, int) override {}
};

} // namespace transform

#endif
