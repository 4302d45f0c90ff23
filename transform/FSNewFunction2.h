#ifndef TRANSFORM_FSNEWFUNCTION2_H
#define TRANSFORM_FSNEWFUNCTION2_H

#include "transform/FSActionList.h"
#include "transform/FSRegisterVariable.h"
#include "transform/FSString.h"

namespace transform {

// Defines a function whose arguments and chosen variables live in
// registers. The body's actions follow the record: the header's length
// leaves them out.
class FSNewFunction2 : public FSActionObject {
public:
    FSNewFunction2() : FSActionObject(0x8E) {}
    // Ownership of the actions passes to the record.
    FSNewFunction2(const char* name, int registerCount, int optimisationFlags,
                   const FSArray<FSRegisterVariable>& arguments, const FSActionList& actions)
        : FSActionObject(0x8E), name(name), registerCount(registerCount), optimisationFlags(optimisationFlags),
          arguments(arguments), actions(actions) {}
    FSNewFunction2(const FSNewFunction2& other);
    explicit FSNewFunction2(FSStream& stream);
    FSNewFunction2& operator=(const FSNewFunction2&) = delete;
    ~FSNewFunction2() override;

    const char* className() const override { return "FSNewFunction2"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSString name;
    int registerCount = 0;
    int optimisationFlags = 0;
    FSArray<FSRegisterVariable> arguments;
    FSActionList actions;

protected:
    int headerLength() const override;
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
