#ifndef TRANSFORM_FSPUSH_H
#define TRANSFORM_FSPUSH_H

#include "transform/FSActionObject.h"
#include "transform/FSArray.h"
#include "transform/FSValue.h"

namespace transform {

// Pushes values on the player's stack. Owns its values.
class FSPush : public FSActionObject {
public:
    static const int Code = 0x96;

    FSPush() : FSActionObject(Code) {}
    // Ownership of the values passes to the push.
    explicit FSPush(const FSArray<FSValue*>& values) : FSActionObject(Code), values(values) {}
    FSPush(const FSPush& other);
    explicit FSPush(FSStream& stream);
    FSPush& operator=(const FSPush&) = delete;
    ~FSPush() override;

    const char* className() const override { return "FSPush"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSArray<FSValue*> values;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
