#include "skins/ActionScript.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

using namespace transform;
using namespace testing_support;
using skins::Block;
using skins::var;

namespace {

std::string valueText(const FSValue& value) {
    std::ostringstream text;
    text << std::setprecision(17);
    if (auto* string = dynamic_cast<const FSString*>(&value))
        text << '\'' << string->getText() << '\'';
    else if (auto* integer = dynamic_cast<const FSInteger*>(&value))
        text << "int " << integer->value;
    else if (auto* number = dynamic_cast<const FSDouble*>(&value))
        text << "double " << number->value;
    else if (auto* flag = dynamic_cast<const FSBoolean*>(&value))
        text << (flag->value ? "true" : "false");
    else if (dynamic_cast<const FSNull*>(&value))
        text << "null";
    else if (dynamic_cast<const FSVoid*>(&value))
        text << "undefined";
    else
        text << value.className();
    return text.str();
}

// One line per action as decoded back from its bytes: its name, a push's
// values, a function's name and body, and for a branch the index of the
// action it lands on ("end" past the last). Offsets are bytes, so the lines
// show where the branches go whatever the encoding of what they skip.
std::vector<std::string> listingOf(const FSActionList& actions) {
    std::vector<int> starts;
    int at = 0;
    for (const FSActionObject* action : actions) {
        starts.push_back(at);
        at += action->recordSize();
    }
    std::vector<std::string> lines;
    for (int i = 0; i < actions.getCount(); ++i) {
        const FSActionObject& action = *actions[i];
        std::string line = action.className();
        if (auto* push = dynamic_cast<const FSPush*>(&action)) {
            line = "push";
            for (const FSValue* value : push->values)
                line += " " + valueText(*value);
        } else if (auto* branch = dynamic_cast<const FSBranchAction*>(&action)) {
            int target = starts[i] + action.recordSize() + branch->offset;
            auto found = std::find(starts.begin(), starts.end(), target);
            if (found != starts.end())
                line += " -> " + std::to_string(found - starts.begin());
            else
                line += target == at ? " -> end" : " -> byte " + std::to_string(target);
        } else if (auto* function = dynamic_cast<const FSNewFunction*>(&action)) {
            line += std::string(" ") + function->name.getText() + "(";
            for (const FSString& argument : function->arguments)
                line += argument.getText();
            line += ") {";
            for (const std::string& inner : listingOf(function->actions))
                line += " " + inner + ";";
            line += " }";
        }
        lines.push_back(line);
    }
    return lines;
}

// A compiled block as it reads back from its bytes.
std::vector<std::string> listing(Block& block) {
    FSDoAction tag(block.compile());
    auto decoded = decodeAs<FSDoAction>(encode(tag));
    return listingOf(decoded->actions);
}

using Lines = std::vector<std::string>;

TEST(ActionScriptTest, IfElseBranchesOverTheirBodies) {
    Block block;
    block.ifThen(var("a"), [](Block& then) { then.assign("b", 1); },
                 [](Block& otherwise) { otherwise.assign("b", 2); });
    EXPECT_EQ(listing(block), Lines({"push 'a'", "GetVariable", "Not", "FSIf -> 7", "push 'b' int 1", "SetVariable",
                                     "FSJump -> end", "push 'b' int 2", "SetVariable"}));
}

TEST(ActionScriptTest, AnIfWithoutElseSkipsJustItsBody) {
    Block block;
    block.ifThen(var("a") < 3, [](Block& then) { then.assign("b", "x"); });
    // a < 3, negated; the If jumps over the assignment.
    EXPECT_EQ(listing(block), Lines({"push 'a'", "GetVariable", "push int 3", "Less", "Not", "FSIf -> end",
                                     "push 'b' 'x'", "SetVariable"}));
}

TEST(ActionScriptTest, ALoopJumpsBackToItsLabel) {
    Block block;
    int top = block.newLabel();
    block.place(top);
    block.action(FSAction::Play);
    block.jumpTo(top);
    EXPECT_EQ(listing(block), Lines({"Play", "FSJump -> 0"}));
}

TEST(ActionScriptTest, AWhileLoopTestsFirstAndJumpsBackToTheTest) {
    Block block;
    block.whileLoop(var("i") < 3, [](Block& pass) { pass.assign("i", var("i") + 1); });
    // The test leaves past the jump back, which goes to the test's first push.
    EXPECT_EQ(listing(block),
              Lines({"push 'i'", "GetVariable", "push int 3", "Less", "Not", "FSIf -> end", "push 'i' 'i'",
                     "GetVariable", "push int 1", "Add", "SetVariable", "FSJump -> 0"}));
}

TEST(ActionScriptTest, AnEmptyWhileLoopStillTestsAndJumps) {
    Block block;
    block.whileLoop(skins::boolean(false), [](Block&) {});
    EXPECT_EQ(listing(block), Lines({"push false", "Not", "FSIf -> end", "FSJump -> 0"}));
}

TEST(ActionScriptTest, CallsPushTheirArgumentsLastFirst) {
    Block block;
    block.evaluate(var("clip").call("gotoAndStop", {7}));
    block.evaluate(skins::callFunction("PlayIt"));
    EXPECT_EQ(listing(block), Lines({"push int 7 int 1 'clip'", "GetVariable", "push 'gotoAndStop'", "ExecuteMethod",
                                     "Pop", "push int 0 'PlayIt'", "ExecuteFunction", "Pop"}));
}

TEST(ActionScriptTest, AFunctionIsDefinedWithItsBodyAfterTheRecordAndCalledByName) {
    Block block;
    block.define("twice", {"n"}, [](Block& body) { body.returnNothing(); });
    block.evaluate(skins::callFunction("twice", {4, "x"}));
    // The body reads back as the function's own, not as actions after it.
    EXPECT_EQ(listing(block), Lines({"FSNewFunction twice(n) { push undefined; Return; }",
                                     "push 'x' int 4 int 2 'twice'", "ExecuteFunction", "Pop"}));
}

TEST(ActionScriptTest, VariablesAndMembersAreSetAndRead) {
    Block block;
    block.assign("a", var("b"));
    block.local("c", var("o")["p"]);
    block.setMember(var("o"), "p", 2);
    EXPECT_EQ(listing(block),
              Lines({"push 'a' 'b'", "GetVariable", "SetVariable", "push 'c' 'o'", "GetVariable", "push 'p'",
                     "GetAttribute", "InitVariable", "push 'o'", "GetVariable", "push 'p' int 2", "SetAttribute"}));
}

TEST(ActionScriptTest, ValuesInARowShareOnePushOfTheirOwnTypes) {
    Block block;
    block.evaluate(skins::callFunction("f", {7, 2.5, "s", skins::boolean(true), skins::nullValue(),
                                             skins::undefinedValue(), 3000000000.0, -1}));
    // Whole numbers that fit 32 bits are integers; others doubles.
    EXPECT_EQ(listing(block), Lines({"push int -1 double 3000000000 undefined null true 's' double 2.5 int 7 int 8 'f'",
                                     "ExecuteFunction", "Pop"}));
}

} // namespace
