#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace transform;
using namespace testing_support;

namespace {


FSPush* pushString(const char* text) {
    FSArray<FSValue*> values;
    values.append(new FSString(text));
    return new FSPush(values);
}

// Encodes, decodes through the factory, and checks that the result
// encodes to the same bytes.
Bytes roundTrip(FSActionObject& action) {
    Bytes bytes = encode(action);
    auto decoded = decodeOneAction(bytes);
    EXPECT_NE(decoded, nullptr);
    if (decoded) {
        EXPECT_STREQ(decoded->className(), action.className());
        EXPECT_EQ(encode(*decoded), bytes);
        std::unique_ptr<FSTransformObject> clone(decoded->clone());
        EXPECT_EQ(encode(*clone), bytes);
    }
    return bytes;
}

} // namespace

TEST(OtherActionsTest, FixedEncodings) {
    FSGotoFrame gotoFrame(5);
    FSIf branch(-10);
    FSCall call;
    FSGotoFrame2 play(true, 0), biased(true, 3);
    FSWith with(actionList({new FSAction(FSAction::Play)}));
    EXPECT_EQ(hex(roundTrip(gotoFrame)), "81 02 00 05 00");
    EXPECT_EQ(hex(roundTrip(branch)), "9D 02 00 F6 FF");
    EXPECT_EQ(hex(roundTrip(call)), "9E 00 00");
    EXPECT_EQ(hex(roundTrip(play)), "9F 01 00 01");
    EXPECT_EQ(hex(roundTrip(biased)), "9F 03 00 03 03 00");
    EXPECT_EQ(hex(roundTrip(with)), "94 02 00 01 00 06");
}

TEST(OtherActionsTest, GetUrlCarriesBothStrings) {
    FSGetUrl getUrl("a.swf", "_blank");
    Bytes bytes = roundTrip(getUrl);
    EXPECT_EQ(hex(Bytes(bytes.begin(), bytes.begin() + 3)), "83 0D 00");
    EXPECT_EQ(bytes.size(), 16u);
    EXPECT_EQ(std::string(bytes.begin() + 3, bytes.end()), std::string("a.swf\0_blank\0", 13));
}

TEST(OtherActionsTest, ExceptionHandlerWithARegisterAndOnlyATryList) {
    FSExceptionHandler handler(1, "", actionList({new FSAction(FSAction::Stop)}), FSActionList(), FSActionList());
    EXPECT_EQ(hex(roundTrip(handler)), "8F 09 00 04 01 00 00 00 00 00 01 07");
}

TEST(OtherActionsTest, ExceptionHandlerWithANameAndAllThreeLists) {
    FSExceptionHandler handler(0, "e", actionList({new FSAction(FSAction::Play), pushString("x")}),
                               actionList({new FSAction(FSAction::Trace)}), actionList({new FSAction(FSAction::Stop)}));
    Bytes bytes = roundTrip(handler);
    EXPECT_EQ(hex(Bytes(bytes.begin(), bytes.begin() + 12)), "8F 12 00 03 07 00 01 00 01 00 65 00");
    auto decoded = decodeOneAction(bytes);
    auto* copy = dynamic_cast<FSExceptionHandler*>(decoded.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->name.getText(), "e");
    EXPECT_EQ(copy->tryActions.getCount(), 2);
    EXPECT_EQ(copy->catchActions.getCount(), 1);
    EXPECT_EQ(copy->finallyActions.getCount(), 1);
}

TEST(OtherActionsTest, SimpleRecordsRoundTrip) {
    FSRegisterCopy copy(3);
    FSWaitForFrame wait(10, 2);
    FSWaitForFrame2 wait2(4);
    FSSetTarget target("/clip");
    FSGotoLabel label("start");
    FSJump jump(300);
    FSGetUrl2 getUrl2(0x80);
    FSSetTarget emptyTarget("");
    EXPECT_EQ(hex(roundTrip(copy)), "87 01 00 03");
    EXPECT_EQ(hex(roundTrip(wait)), "8A 03 00 0A 00 02");
    EXPECT_EQ(hex(roundTrip(wait2)), "8D 01 00 04");
    EXPECT_EQ(hex(roundTrip(target)), "8B 06 00 2F 63 6C 69 70 00");
    EXPECT_EQ(hex(roundTrip(label)), "8C 06 00 73 74 61 72 74 00");
    EXPECT_EQ(hex(roundTrip(jump)), "99 02 00 2C 01");
    EXPECT_EQ(hex(roundTrip(getUrl2)), "9A 01 00 80");
    EXPECT_EQ(hex(roundTrip(emptyTarget)), "8B 01 00 00");
}

TEST(OtherActionsTest, TableCountsItsStrings) {
    FSArray<FSString> strings;
    strings.append(FSString("a"));
    strings.append(FSString("bc"));
    FSTable table(strings);
    EXPECT_EQ(hex(roundTrip(table)), "88 07 00 02 00 61 00 62 63 00");
    FSTable empty;
    EXPECT_EQ(hex(roundTrip(empty)), "88 02 00 00 00");
}

TEST(OtherActionsTest, NewFunctionHeaderLeavesOutItsBody) {
    FSArray<FSString> arguments;
    arguments.append(FSString("x"));
    FSNewFunction function("f", arguments, actionList({new FSAction(FSAction::Return)}));
    Bytes bytes = roundTrip(function);
    EXPECT_EQ(hex(bytes), "9B 08 00 66 00 01 00 78 00 01 00 3E");
    EXPECT_EQ(function.bodyLength, 9);
}

TEST(OtherActionsTest, NewFunction2WithRegisterArgumentsAndNestedActions) {
    FSArray<FSRegisterVariable> arguments;
    arguments.append(FSRegisterVariable(1, "track"));
    arguments.append(FSRegisterVariable(0, "volume"));
    FSArray<FSString> inner;
    FSNewFunction2 function("LoadFile", 4, 0x2A01, arguments,
                            actionList({pushString("music_list.xml"),
                                  new FSWith(actionList({new FSNewFunction("", inner, actionList({new FSAction(0x07)}))})),
                                  new FSIf(2), new FSAction(FSAction::Return)}));
    Bytes bytes = roundTrip(function);
    EXPECT_EQ(hex(Bytes(bytes.begin(), bytes.begin() + 3)), "8E 1F 00");
    EXPECT_EQ(hex(Bytes(bytes.begin() + 12, bytes.begin() + 17)), "02 00 04 2A 01");
    auto decoded = decodeOneAction(bytes);
    auto* copy = dynamic_cast<FSNewFunction2*>(decoded.get());
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->arguments.getCount(), 2);
    EXPECT_STREQ(copy->arguments[1].name.getText(), "volume");
    EXPECT_EQ(copy->registerCount, 4);
    EXPECT_EQ(copy->optimisationFlags, 0x2A01);
    ASSERT_EQ(copy->actions.getCount(), 4);
    auto* with = dynamic_cast<FSWith*>(copy->actions[1]);
    ASSERT_NE(with, nullptr);
    ASSERT_EQ(with->actions.getCount(), 1);
    EXPECT_STREQ(with->actions[0]->className(), "FSNewFunction");
}

TEST(OtherActionsTest, WithHoldingAFunctionDecodesInsideADoAction) {
    FSArray<FSString> arguments;
    FSActionList actions = actionList({new FSWith(actionList({new FSNewFunction("g", arguments, actionList({new FSAction(0x06)})),
                                                  new FSAction(FSAction::Pop)})),
                                 new FSAction(FSAction::Stop)});
    FSDoAction tag(actions);
    Bytes bytes = encode(tag);
    auto decoded = decodeAs<FSDoAction>(bytes);
    ASSERT_EQ(decoded->actions.getCount(), 2);
    EXPECT_STREQ(decoded->actions[1]->className(), "Stop");
    EXPECT_EQ(encode(*decoded), bytes);
}

TEST(OtherActionsTest, RecordsDecodedFromNothingStartAtFrameOne) {
    EXPECT_EQ(FSGotoFrame().frameNumber, 1);
    EXPECT_EQ(FSWaitForFrame().frameNumber, 1);
}

TEST(OtherActionsTest, UnknownActionsKeepTheirBytesThroughCopies) {
    const unsigned char body[] = {1, 2, 3};
    FSUnknownAction unknown(0xC0, body, 3);
    std::unique_ptr<FSTransformObject> clone(unknown.clone());
    EXPECT_EQ(hex(encode(*clone)), "C0 03 00 01 02 03");
    FSUnknownAction empty(0xC1, nullptr, 0);
    EXPECT_EQ(hex(roundTrip(empty)), "C1 00 00");
}

TEST(OtherActionsTest, UnknownRecordsBuiltFromBytesKnowTheirLengthBeforeBeingMeasured) {
    const unsigned char body[] = {1, 2, 3};
    EXPECT_EQ(FSUnknownAction(0xC0, body, 3).bodyLength, 3);
    FSUnknownTag tag(7, body, 3);
    EXPECT_EQ(tag.bodyLength, 3);
    std::unique_ptr<FSTransformObject> clone(tag.clone());
    EXPECT_STREQ(clone->className(), "FSUnknownTag");
    EXPECT_EQ(hex(encode(*clone)), "C3 01 01 02 03");
}
