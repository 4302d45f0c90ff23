#ifndef TRANSFORM_FSNEWFUNCTION_H
#define TRANSFORM_FSNEWFUNCTION_H

#include "transform/FSBlockAction.h"
#include "transform/FSString.h"

namespace transform {

// Defines a function with named arguments; its body is the block's actions.
class FSNewFunction : public FSBlockAction {
public:
    FSNewFunction() : FSBlockAction(0x9B) {}
    // Ownership of the actions passes to the record.
    FSNewFunction(const char* name, const FSArray<FSString>& arguments, const FSActionList& actions)
        : FSBlockAction(0x9B, actions), name(name), arguments(arguments) {}
    explicit FSNewFunction(FSStream& stream);

    const char* className() const override { return "FSNewFunction"; }
    FSTransformObject* clone() const override;

    FSString name;
    FSArray<FSString> arguments;

protected:
    int fieldsLength(FSStream& stream) override;
    void encodeFields(FSStream& stream) override;
    void decodeFields(FSStream& stream, int headerEnd) override;
};

} // namespace transform

#endif
