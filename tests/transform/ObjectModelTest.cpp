#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace transform;
using namespace testing_support;

TEST(FSStringTest, NullPointerIsTheEmptyString) {
    FSString empty(nullptr);
    EXPECT_STREQ(empty.getText(), "");
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(hex(encode(empty)), "00 00");
}

TEST(FSStringTest, CopiesAreIndependent) {
    char source[] = "music";
    FSString text(source);
    source[0] = 'X';
    FSString copy(text);
    text = "changed";
    EXPECT_STREQ(copy.getText(), "music");
    EXPECT_STREQ(text.getText(), "changed");
    EXPECT_EQ(text.size(), 7);
}

TEST(FSStringTest, AssignmentReusesALargeEnoughBuffer) {
    FSString text("a longer text");
    const char* buffer = text.getText();
    text = "short";
    EXPECT_EQ(text.getText(), buffer);
    EXPECT_STREQ(text.getText(), "short");
    FSString& same = text;
    text = same;
    EXPECT_STREQ(text.getText(), "short");
}

TEST(FSStringTest, EncodesAsAPushValueAndReadsBack) {
    FSString text("time");
    Bytes bytes = encode(text);
    EXPECT_EQ(hex(bytes), "00 74 69 6D 65 00");
    EXPECT_STREQ(decodeAs<FSString>(bytes)->getText(), "time");
}

TEST(FSArrayTest, GrowsKeepingItsElementsInOrder) {
    FSArray<int> values(4);
    EXPECT_EQ(values.getCount(), 4);
    EXPECT_EQ(values[3], 0);
    for (int i = 0; i < 100; ++i)
        values.append(i);
    ASSERT_EQ(values.getCount(), 104);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(values[4 + i], i);
    FSArray<int> copy(values);
    values[50] = -1;
    EXPECT_EQ(copy[50], 46);
}

TEST(FSArrayTest, IndexOutsideTheElementsThrowsWithIndexAndBound) {
    FSArray<int> values;
    values.append(7);
    values.append(8);
    for (int index : {-1, 2}) {
        try {
            (void)values[index];
            FAIL() << "no exception for index " << index;
        } catch (const FSArrayIndexOutOfBoundsException& error) {
            EXPECT_EQ(error.getIndex(), index);
            EXPECT_EQ(error.getBound(), 2);
            EXPECT_STREQ(error.message(), "Array index out of bounds");
        }
    }
}

TEST(FSArrayTest, CopiesOfValueArraysAreDeep) {
    FSArray<FSString> names;
    names.append(FSString("one"));
    FSArray<FSString> copy(names);
    names[0] = "two";
    EXPECT_STREQ(copy[0].getText(), "one");
}

TEST(FSExceptionTest, KeepsItsOwnCopyOfTheMessage) {
    std::string text = "Cannot open file";
    FSFileOpenException error(text.c_str(), std::make_error_code(std::errc::permission_denied));
    text[0] = 'X';
    EXPECT_STREQ(error.message(), "Cannot open file");
    EXPECT_EQ(error.reason(), std::errc::permission_denied);
    const FSException& base = error;
    EXPECT_STREQ(base.message(), "Cannot open file");
}

TEST(OwnershipTest, CloneOfADoActionSurvivesItsSource) {
    FSArray<FSValue*> values;
    values.append(new FSString("title"));
    FSActionList actions;
    actions.append(new FSPush(values));
    actions.append(new FSAction(FSAction::SetVariable));
    auto* source = new FSDoAction(actions);
    Bytes original = encode(*source);
    std::unique_ptr<FSTransformObject> clone(source->clone());
    delete source;
    EXPECT_EQ(encode(*clone), original);
}

TEST(PushValueTest, SizesAreFixedBytesForEachKind) {
    EXPECT_EQ(FSInteger(1).size(), 5);
    EXPECT_EQ(FSDouble(1).size(), 9);
    EXPECT_EQ(FSBoolean(true).size(), 2);
    EXPECT_EQ(FSRegisterIndex(1).size(), 2);
    EXPECT_EQ(FSNull().size(), 2);
    EXPECT_EQ(FSVoid().size(), 2);
    EXPECT_EQ(FSTableIndex(255).size(), 2);
    EXPECT_EQ(FSTableIndex(256).size(), 3);
}
