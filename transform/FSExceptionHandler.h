#ifndef TRANSFORM_FSEXCEPTIONHANDLER_H
#define TRANSFORM_FSEXCEPTIONHANDLER_H

#include "transform/FSActionList.h"
#include "transform/FSString.h"

namespace transform {

// A try/catch/finally block. The caught exception goes to the variable
// `name`, or to register `registerNumber` when the name is empty. Its header
// length covers the three action lists.
class FSExceptionHandler : public FSActionObject {
public:
    FSExceptionHandler() : FSActionObject(0x8F) {}
    // Ownership of the actions passes to the record.
    FSExceptionHandler(int registerNumber, const char* name, const FSActionList& tryActions,
                       const FSActionList& catchActions, const FSActionList& finallyActions)
        : FSActionObject(0x8F), registerNumber(registerNumber), name(name), tryActions(tryActions),
          catchActions(catchActions), finallyActions(finallyActions) {}
    FSExceptionHandler(const FSExceptionHandler& other);
    explicit FSExceptionHandler(FSStream& stream);
    FSExceptionHandler& operator=(const FSExceptionHandler&) = delete;
    ~FSExceptionHandler() override;

    const char* className() const override { return "FSExceptionHandler"; }
    FSTransformObject* clone() const override;
    int length(FSStream& stream) override;

    int registerNumber = 0;
    FSString name;
    int tryLength = 0;
    int catchLength = 0;
    int finallyLength = 0;
    FSActionList tryActions;
    FSActionList catchActions;
    FSActionList finallyActions;

protected:
    bool reportsCoding() const override { return true; }
    void encodeBody(FSStream& stream) override;
    void decodeBody(FSStream& stream, int end) override;

private:
    void deleteLists();
};

} // namespace transform

#endif
