#ifndef TRANSFORM_FSNEWFUNCTION2_H
#define TRANSFORM_FSNEWFUNCTION2_H

#include "transform/FSBlockAction.h"
#include "transform/FSRegisterVariable.h"
#include "transform/FSString.h"

namespace transform {

// Defines a function whose arguments and chosen variables live in
// registers; its body is the block's actions.
class FSNewFunction2 : public FSBlockAction {
public:
    FSNewFunction2() : FSBlockAction(0x8E) {}
    // Ownership of the actions passes to the record.
    FSNewFunction2(const char* name, int registerCount, int optimisationFlags,
                   const FSArray<FSRegisterVariable>& arguments, const FSActionList& actions)
        : FSBlockAction(0x8E, actions), name(name), registerCount(registerCount),
          optimisationFlags(optimisationFlags), arguments(arguments) {}
    explicit FSNewFunction2(FSStream& stream);

    const char* className() const override { return "FSNewFunction2"; }
    FSTransformObject* clone() const override;

    FSString name;
    int registerCount = 0;
    int optimisationFlags = 0;
    FSArray<FSRegisterVariable> arguments;

protected:
    int fieldsLength(FSStream& stream) override;
    void encodeFields(FSStream& stream) override;
    void decodeFields(FSStream& stream, int headerEnd) override;
};

} // namespace transform

#endif
