#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace transform;
using namespace testing_support;

namespace {

FSPush* push(std::initializer_list<FSValue*> values) {
    FSArray<FSValue*> array;
    for (FSValue* value : values)
        array.append(value);
    return new FSPush(array);
}


} // namespace

TEST(FSDoActionTest, PushAndSetVariableEncodeExactly) {
    FSDoAction tag(actionList({push({new FSString("time"), new FSInteger(10)}), new FSAction(FSAction::SetVariable)}));
    EXPECT_EQ(hex(encode(tag)), "10 03 96 0B 00 00 74 69 6D 65 00 07 0A 00 00 00 1D 00");
    EXPECT_EQ(tag.bodyLength, 16);
}

TEST(FSDoActionTest, EmptyTagHoldsOnlyTheEndCode) {
    FSDoAction tag;
    EXPECT_EQ(hex(encode(tag)), "01 03 00");
}

TEST(FSDoActionTest, PreEncodedActionsStandInForTheList) {
    const unsigned char play[] = {0x06};
    FSDoAction tag(play, 1);
    EXPECT_EQ(hex(encode(tag)), "02 03 06 00");
    FSDoAction copy(tag);
    EXPECT_EQ(hex(encode(copy)), "02 03 06 00");
}

TEST(FSDoActionTest, DecodesBackToTheSameActions) {
    FSDoAction tag(actionList({push({new FSString("t"), new FSDouble(0.5), new FSBoolean(true), new FSNull(),
                               new FSVoid(), new FSRegisterIndex(3), new FSTableIndex(300)}),
                         new FSAction(FSAction::Trace), new FSAction(0x2A)}));
    Bytes bytes = encode(tag);
    auto decoded = decodeAs<FSDoAction>(bytes);
    ASSERT_EQ(decoded->actions.getCount(), 3);
    EXPECT_STREQ(decoded->actions[1]->className(), "Trace");
    EXPECT_STREQ(decoded->actions[2]->className(), "Action");
    auto* values = dynamic_cast<FSPush*>(decoded->actions[0]);
    ASSERT_NE(values, nullptr);
    ASSERT_EQ(values->values.getCount(), 7);
    EXPECT_EQ(dynamic_cast<FSDouble*>(values->values[1])->value, 0.5);
    EXPECT_EQ(dynamic_cast<FSTableIndex*>(values->values[6])->index, 300);
    EXPECT_EQ(encode(*decoded), bytes);
}

TEST(PushValueTest, EncodingsOfEachKind) {
    FSTableIndex small(255), large(256);
    FSDouble half(0.5);
    FSBoolean yes(true), no(false);
    FSNull none;
    FSVoid nothing;
    FSRegisterIndex reg(4);
    FSInteger minusOne(-1);
    EXPECT_EQ(hex(encode(small)), "08 FF");
    EXPECT_EQ(hex(encode(large)), "09 00 01");
    EXPECT_EQ(hex(encode(half)), "06 00 00 E0 3F 00 00 00 00");
    EXPECT_EQ(hex(encode(yes)), "05 01");
    EXPECT_EQ(hex(encode(no)), "05 00");
    EXPECT_EQ(hex(encode(none)), "02");
    EXPECT_EQ(hex(encode(nothing)), "03");
    EXPECT_EQ(hex(encode(reg)), "04 04");
    EXPECT_EQ(hex(encode(minusOne)), "07 FF FF FF FF");
}

TEST(PushValueTest, EachKindNamesItsClassMeasuresItsBytesAndClonesToThem) {
    struct Case {
        std::unique_ptr<FSValue> value;
        const char* name;
    };
    Case cases[] = {{std::make_unique<FSInteger>(-7), "FSInteger"},
                    {std::make_unique<FSDouble>(2.25), "FSDouble"},
                    {std::make_unique<FSBoolean>(true), "FSBoolean"},
                    {std::make_unique<FSNull>(), "FSNull"},
                    {std::make_unique<FSVoid>(), "FSVoid"},
                    {std::make_unique<FSRegisterIndex>(2), "FSRegisterIndex"},
                    {std::make_unique<FSTableIndex>(700), "FSTableIndex"}};
    for (Case& c : cases) {
        EXPECT_STREQ(c.value->className(), c.name);
        Bytes bytes = encode(*c.value);
        FSStream stream;
        EXPECT_EQ(c.value->length(stream), static_cast<int>(bytes.size())) << c.name;
        std::unique_ptr<FSTransformObject> clone(c.value->clone());
        EXPECT_STREQ(clone->className(), c.name);
        EXPECT_EQ(encode(*clone), bytes) << c.name;
    }
}

TEST(PushValueTest, TableIndexRecomputesItsTypeWhenEncoded) {
    FSTableIndex index(300);
    EXPECT_EQ(hex(encode(index)), "09 2C 01");
    index.index = 5;
    EXPECT_EQ(hex(encode(index)), "08 05");
}

TEST(PushValueTest, TypeOneIntegersKeepTheirTypeByte) {
    Bytes bytes = {0x96, 0x05, 0x00, 0x01, 0x00, 0x00, 0x80, 0x3F};
    auto action = decodeOneAction(bytes);
    auto* decoded = dynamic_cast<FSPush*>(action.get());
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->values[0]->type, 1);
    EXPECT_EQ(encode(*decoded), bytes);
}

TEST(PushValueTest, BooleansAreTrueOnlyForOne) {
    Bytes bytes = {0x96, 0x02, 0x00, 0x05, 0x02};
    auto action = decodeOneAction(bytes);
    EXPECT_FALSE(dynamic_cast<FSBoolean*>(dynamic_cast<FSPush*>(action.get())->values[0])->value);
}

TEST(FSActionTest, NamesFromTheTable) {
    EXPECT_STREQ(FSAction(0x17).className(), "Pop");
    EXPECT_STREQ(FSAction(0x2A).className(), "Action");
    EXPECT_STREQ(FSAction(0x04).className(), "NextFrame");
    EXPECT_STREQ(FSAction(0x65).className(), "LogicalShiftRight");
    EXPECT_STREQ(FSAction(0x3C).className(), "InitVariable");
    FSAction stop(FSAction::Stop);
    EXPECT_EQ(hex(encode(stop)), "07");
}

TEST(ActionFactoryTest, ChoosesTheClassByCode) {
    struct Case {
        Bytes bytes;
        const char* name;
    };
    const Case cases[] = {
        {{0x07}, "Stop"},
        {{0x55}, "Action"},
        {{0x69}, "Action"},
        {{0x81, 0x02, 0x00, 0x05, 0x00}, "FSGotoFrame"},
        {{0x87, 0x01, 0x00, 0x02}, "FSRegisterCopy"},
        {{0x8D, 0x01, 0x00, 0x02}, "FSWaitForFrame2"},
        {{0x99, 0x02, 0x00, 0x10, 0x00}, "FSJump"},
        {{0x9A, 0x01, 0x00, 0x40}, "FSGetUrl2"},
        {{0x9E, 0x00, 0x00}, "FSCall"},
        {{0xA0, 0x02, 0x00, 0xAB, 0xCD}, "FSUnknownAction"},
        {{0x16}, "FSUnknownAction"},
    };
    for (const Case& c : cases) {
        auto action = decodeOneAction(c.bytes);
        ASSERT_NE(action, nullptr);
        EXPECT_STREQ(action->className(), c.name) << hex(c.bytes);
        EXPECT_EQ(encode(*action), c.bytes) << c.name;
    }
}

TEST(ActionFactoryTest, TheEndCodeGivesNoAction) {
    Bytes bytes = {0x00, 0x07};
    FSStream stream(bytes.data(), 2);
    EXPECT_EQ(decodeAction(stream, stream.endOfData()), nullptr);
    EXPECT_EQ(stream.getPointer(), 8);
}
