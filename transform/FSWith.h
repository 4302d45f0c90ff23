#ifndef TRANSFORM_FSWITH_H
#define TRANSFORM_FSWITH_H

#include "transform/FSActionList.h"

namespace transform {

// Runs its actions with the object on the stack as the scope. The action
// list follows the record: the header's length covers only its size field.
class FSWith : public FSActionObject {
public:
    FSWith() : FSActionObject(0x94) {}
    // Ownership of the actions passes to the record.
    explicit FSWith(const FSActionList& actions) : FSActionObject(0x94), actions(actions) {}
    FSWith(const FSWith& other);
    explicit FSWith(FSStream& stream);
    FSWith& operator=(const FSWith&) = delete;
    ~FSWith() override;

    const char* className() const override { return "FSWith"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSActionList actions;

protected:
    int headerLength() const override;
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
