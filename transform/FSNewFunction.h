#ifndef TRANSFORM_FSNEWFUNCTION_H
#define TRANSFORM_FSNEWFUNCTION_H

#include "transform/FSActionList.h"
#include "transform/FSString.h"

namespace transform {

// Defines a function with named arguments. The body's actions follow the
// record: the header's length leaves them out.
class FSNewFunction : public FSActionObject {
public:
    FSNewFunction() : FSActionObject(0x9B) {}
    // Ownership of the actions passes to the record.
    FSNewFunction(const char* name, const FSArray<FSString>& arguments, const FSActionList& actions)
        : FSActionObject(0x9B), name(name), arguments(arguments), actions(actions) {}
    FSNewFunction(const FSNewFunction& other);
    explicit FSNewFunction(FSStream& stream);
    FSNewFunction& operator=(const FSNewFunction&) = delete;
    ~FSNewFunction() override;

    const char* className() const override { return "FSNewFunction"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSString name;
    FSArray<FSString> arguments;
    FSActionList actions;

protected:
    int headerLength() const override;
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
