#include "skins/ActionScript.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace transform;
using namespace testing_support;
using skins::Block;
using skins::var;

namespace {

// The action bytes of a compiled block, without the DoAction around them
// (a short header: these lists stay under 63 bytes).
Bytes compiled(Block& block) {
    FSDoAction tag(block.compile());
    Bytes bytes = encode(tag);
    return Bytes(bytes.begin() + 2, bytes.end() - 1);
}

TEST(ActionScriptTest, IfElseBranchesOverTheirBodies) {
    Block block;
    block.ifThen(var("a"), [](Block& then) { then.assign("b", 1); },
                 [](Block& otherwise) { otherwise.assign("b", 2); });
    EXPECT_EQ(hex(compiled(block)),
              "96 03 00 00 61 00 1C 12 9D 02 00 11 00 96 08 00 00 62 00 07 01 00 00 00 1D 99 02 00 0C 00 "
              "96 08 00 00 62 00 07 02 00 00 00 1D");
}

TEST(ActionScriptTest, AnIfWithoutElseSkipsJustItsBody) {
    Block block;
    block.ifThen(var("a") < 3, [](Block& then) { then.assign("b", "x"); });
    // a < 3, negated; If jumps the 10 bytes of the assignment.
    EXPECT_EQ(hex(compiled(block)),
              "96 03 00 00 61 00 1C 96 05 00 07 03 00 00 00 48 12 9D 02 00 0A 00 "
              "96 06 00 00 62 00 00 78 00 1D");
}

TEST(ActionScriptTest, ALoopJumpsBackToItsLabel) {
    Block block;
    int top = block.newLabel();
    block.place(top);
    block.action(FSAction::Play);
    block.jumpTo(top);
    EXPECT_EQ(hex(compiled(block)), "06 99 02 00 FA FF");
}

TEST(ActionScriptTest, AWhileLoopTestsFirstAndJumpsBackToTheTest) {
    Block block;
    block.whileLoop(var("i") < 3, [](Block& pass) { pass.assign("i", var("i") + 1); });
    // The test leaves by 25 bytes (body and jump); the jump goes back 47
    // bytes to the first push.
    EXPECT_EQ(hex(compiled(block)),
              "96 03 00 00 69 00 1C 96 05 00 07 03 00 00 00 48 12 9D 02 00 19 00 "
              "96 06 00 00 69 00 00 69 00 1C 96 05 00 07 01 00 00 00 47 1D 99 02 00 D1 FF");
}

TEST(ActionScriptTest, AnEmptyWhileLoopStillTestsAndJumps) {
    Block block;
    block.whileLoop(skins::boolean(false), [](Block&) {});
    EXPECT_EQ(hex(compiled(block)), "96 02 00 05 00 12 9D 02 00 05 00 99 02 00 F0 FF");
}

TEST(ActionScriptTest, CallsPushTheirArgumentsLastFirst) {
    Block block;
    block.evaluate(var("clip").call("gotoAndStop", {7}));
    block.evaluate(skins::callFunction("PlayIt"));
    EXPECT_EQ(hex(compiled(block)),
              "96 10 00 07 07 00 00 00 07 01 00 00 00 00 63 6C 69 70 00 1C "
              "96 0D 00 00 67 6F 74 6F 41 6E 64 53 74 6F 70 00 52 17 "
              "96 0D 00 07 00 00 00 00 00 50 6C 61 79 49 74 00 3D 17");
}

TEST(ActionScriptTest, AFunctionIsDefinedWithItsBodyAfterTheRecordAndCalledByName) {
    Block block;
    block.define("twice", {"n"}, [](Block& body) { body.returnNothing(); });
    block.evaluate(skins::callFunction("twice", {4, "x"}));
    // The record's length (12) covers name, arguments and body size, not
    // the body's 5 bytes.
    EXPECT_EQ(hex(compiled(block)),
              "9B 0C 00 74 77 69 63 65 00 01 00 6E 00 05 00 96 01 00 03 3E "
              "96 14 00 00 78 00 07 04 00 00 00 07 02 00 00 00 00 74 77 69 63 65 00 3D 17");
}

TEST(ActionScriptTest, VariablesAndMembersAreSetAndRead) {
    Block block;
    block.assign("a", var("b"));
    block.local("c", var("o")["p"]);
    block.setMember(var("o"), "p", 2);
    EXPECT_EQ(hex(compiled(block)),
              "96 06 00 00 61 00 00 62 00 1C 1D "
              "96 06 00 00 63 00 00 6F 00 1C 96 03 00 00 70 00 4E 3C "
              "96 03 00 00 6F 00 1C 96 08 00 00 70 00 07 02 00 00 00 4F");
}

TEST(ActionScriptTest, ValuesInARowShareOnePushOfTheirOwnTypes) {
    Block block;
    block.evaluate(skins::callFunction("f", {7, 2.5, "s", skins::boolean(true), skins::nullValue(),
                                             skins::undefinedValue(), 3000000000.0, -1}));
    // Whole numbers that fit 32 bits are integers (type 7); others doubles
    // (type 6, the high word first).
    EXPECT_EQ(hex(compiled(block)),
              "96 2B 00 07 FF FF FF FF 06 0B 5A E6 41 00 00 00 C0 03 02 05 01 00 73 00 "
              "06 00 00 04 40 00 00 00 00 07 07 00 00 00 07 08 00 00 00 00 66 00 3D 17");
}

} // namespace
