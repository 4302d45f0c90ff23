#ifndef TRANSFORM_FSDOACTION_H
#define TRANSFORM_FSDOACTION_H

#include "transform/FSActionList.h"
#include "transform/FSBytes.h"
#include "transform/FSMovieObject.h"


namespace transform {

// A tag of actions run when its frame is shown. Pre-encoded action bytes,
// when present, stand in for the action list.
class FSDoAction : public FSMovieObject {
public:
    FSDoAction();
    // Ownership of the actions passes to the tag.
    explicit FSDoAction(const FSActionList& actions);
    // The tag keeps a copy of `count` already encoded action bytes (without
    // the end code).
    FSDoAction(const unsigned char* bytes, int count);
    FSDoAction(const FSDoAction& other);
    explicit FSDoAction(FSStream& stream);
    FSDoAction& operator=(const FSDoAction&) = delete;
    ~FSDoAction() override;

    const char* className() const override { return "FSDoAction"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    FSActionList actions;
    FSBytes encodedActions;

protected:
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;
};

} // namespace transform

#endif
