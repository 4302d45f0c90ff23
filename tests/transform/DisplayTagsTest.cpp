#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace transform;
using namespace testing_support;

namespace {

// Encodes the tag, decodes it through the tag factory and encodes the copy
// again: both images must be the same bytes.
template <typename T>
std::unique_ptr<T> roundTrip(T& tag, Bytes& image) {
    image = encode(tag);
    FSStream stream(image.data(), static_cast<int>(image.size()));
    std::unique_ptr<FSMovieObject> decoded(decodeTag(stream));
    EXPECT_EQ(stream.getPointer(), static_cast<int>(image.size()) * 8);
    auto* typed = dynamic_cast<T*>(decoded.get());
    EXPECT_NE(typed, nullptr) << decoded->className();
    decoded.release();
    std::unique_ptr<T> result(typed);
    if (result) {
        EXPECT_EQ(hex(encode(*result)), hex(image));
    }
    return result;
}

TEST(FSMatrixTest, TranslationOnlyAndScaledEncodings) {
    FSMatrix moved(20, 40);
    EXPECT_EQ(hex(encode(moved)), "0E 51 40");
    FSMatrix scaled(0, 0, 1.0, 0.5);
    Bytes bytes = encode(scaled);
    auto copy = decodeAs<FSMatrix>(bytes);
    EXPECT_EQ(copy->scaleX, 65536);
    EXPECT_EQ(copy->scaleY, 32768);
    EXPECT_EQ(copy->translateX, 0);
}

TEST(FSPlaceObject2Test, NewNamedCharacterHasItsExactBytes) {
    FSPlaceObject2 place(3, 5, FSMatrix(20, 40), "btn");
    Bytes image;
    auto copy = roundTrip(place, image);
    EXPECT_EQ(hex(image), "8C 06 26 05 00 03 00 0E 51 40 62 74 6E 00");
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy->name.getText(), "btn");
    EXPECT_EQ(copy->character, 3);

    std::unique_ptr<FSPlaceObject2> move(FSPlaceObject2::moveTo(5, FSMatrix(0, 0, 1.0, 0.25)));
    auto moved = roundTrip(*move, image);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->flags, FSPlaceObject2::Move | FSPlaceObject2::HasMatrix);
    EXPECT_EQ(moved->matrix.scaleY, 16384);
}

TEST(FSPlaceObject2Test, ColourTransformAndWhatFollowsStayAsRead) {
    // flags: colour transform + name; depth 1; a 2-byte transform; "x".
    Bytes image = {0x86, 0x06, 0x28, 0x01, 0x00, 0x01, 0x02, 'x', 0x00};
    image[0] = static_cast<unsigned char>((26 << 6 | 7) & 0xFF);
    image[1] = static_cast<unsigned char>((26 << 6 | 7) >> 8);
    auto tag = decodeAs<FSPlaceObject2>(image);
    EXPECT_EQ(tag->unmodelled.size(), 4);
    EXPECT_EQ(hex(encode(*tag)), hex(image));
}

TEST(FSDefineFont2Test, DeviceFontIsANameWithoutGlyphs) {
    FSDefineFont2 font(1, "_sans");
    Bytes image;
    auto copy = roundTrip(font, image);
    EXPECT_EQ(hex(image), "0C 0C 01 00 00 00 05 5F 73 61 6E 73 00 00");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->name, "_sans");
    std::unique_ptr<FSDefineFont2> clone(static_cast<FSDefineFont2*>(font.clone()));
    EXPECT_EQ(hex(encode(*clone)), hex(image));
}

TEST(FSDefineShapeTest, RectangleRoundTripsWithItsOutline) {
    std::unique_ptr<FSDefineShape> shape(
        FSDefineShape::rectangle(7, FSBounds(0, 0, 2000, 400), FSColor(10, 20, 30), 20, FSColor(200, 200, 200)));
    Bytes image;
    auto copy = roundTrip(*shape, image);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->identifier, 7);
    EXPECT_EQ(copy->bounds.minX, -10);
    EXPECT_EQ(copy->bounds.maxY, 410);
    ASSERT_EQ(copy->fillStyles.size(), 1u);
    EXPECT_EQ(copy->fillStyles[0].blue, 30);
    ASSERT_EQ(copy->lineStyles.size(), 1u);
    EXPECT_EQ(copy->lineStyles[0].width, 20);
    ASSERT_EQ(copy->records.size(), 5u);
    EXPECT_TRUE(copy->records[0].moves);
    EXPECT_EQ(copy->records[0].fill1, 1);
    EXPECT_EQ(copy->records[2].kind, FSShapeRecord::Line);
    EXPECT_EQ(copy->records[2].y, 400);
    EXPECT_EQ(copy->records[3].x, -2000);
}

TEST(FSDefineShapeTest, CurvesAndShortEdgesKeepTheirValues) {
    FSDefineShape shape(2);
    shape.bounds = FSBounds(0, 0, 100, 100);
    shape.fillStyles = {FSColor(1, 2, 3), FSColor(4, 5, 6), FSColor(7, 8, 9)};
    FSShapeRecord curve;
    curve.kind = FSShapeRecord::Curve;
    curve.controlX = 50, curve.controlY = -1, curve.x = 1, curve.y = 60;
    shape.records = {FSShapeRecord::moveTo(0, 0, 3), FSShapeRecord::lineBy(1, 0), curve};
    Bytes image;
    auto copy = roundTrip(shape, image);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->records[0].fill1, 3);
    EXPECT_EQ(copy->records[1].x, 1);
    EXPECT_EQ(copy->records[2].controlY, -1);
    EXPECT_EQ(copy->records[2].y, 60);
}

TEST(FSDefineEditTextTest, BoundFieldWithFontColourAndLayout) {
    FSDefineEditText text(4);
    text.bounds = FSBounds(0, 0, 3000, 300);
    text.font = 1;
    text.fontHeight = 220;
    text.hasColor = true;
    text.color = FSColor(255, 128, 0, 200);
    text.hasLayout = true;
    text.alignment = FSDefineEditText::Center;
    text.leading = -2;
    text.variable = "g_Title";
    text.initialText = "Tunemill";
    Bytes image;
    auto copy = roundTrip(text, image);
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy->variable.getText(), "g_Title");
    EXPECT_STREQ(copy->initialText.getText(), "Tunemill");
    EXPECT_EQ(copy->color.alpha, 200);
    EXPECT_EQ(copy->leading, -2);
    EXPECT_EQ(copy->options, FSDefineEditText::ReadOnly | FSDefineEditText::NoSelect);

    FSDefineEditText plain(5);
    plain.variable = "g_Time";
    auto plainCopy = roundTrip(plain, image);
    ASSERT_TRUE(plainCopy);
    EXPECT_EQ(plainCopy->font, 0);
    EXPECT_FALSE(plainCopy->hasColor);
    EXPECT_TRUE(plainCopy->initialText.isEmpty());
}

TEST(FSDefineSpriteTest, OwnsItsTimelineAndCountsItsFrames) {
    FSDefineSprite sprite(9);
    sprite.add(new FSPlaceObject2(7, 1, FSMatrix()));
    sprite.add(new FSDoAction(actionList({new FSAction(FSAction::Stop)})));
    sprite.add(new FSShowFrame());
    sprite.add(FSPlaceObject2::moveTo(1, FSMatrix(0, 0, 1.0, 2.0)));
    sprite.add(new FSShowFrame());
    EXPECT_EQ(sprite.frameCount(), 2);
    Bytes image;
    auto copy = roundTrip(sprite, image);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->declaredFrameCount, 2);
    ASSERT_EQ(copy->objects.getCount(), 5);
    EXPECT_STREQ(copy->objects[1]->className(), "FSDoAction");
    std::unique_ptr<FSDefineSprite> clone(static_cast<FSDefineSprite*>(sprite.clone()));
    EXPECT_EQ(hex(encode(*clone)), hex(image));
}

TEST(FSDefineSpriteTest, BadTimelinesAreFormatErrors) {
    FSDefineSprite sprite(9);
    sprite.add(new FSShowFrame());
    Bytes image = encode(sprite);
    Bytes noEnd(image.begin(), image.end() - 2);
    noEnd[0] = static_cast<unsigned char>(noEnd[0] - 2);
    EXPECT_THROW(decodeAs<FSDefineSprite>(noEnd), FSFormatException);
    Bytes truncated(image.begin(), image.end() - 1);
    EXPECT_THROW(decodeAs<FSDefineSprite>(truncated), FSFormatException);
}

TEST(DisplayTagsTest, AMovieOfThemReadsBack) {
    FSMovie movie(FSBounds(0, 0, 6000, 1200), 12.0f);
    movie.addObject(new FSDefineFont2(1, "_sans"));
    movie.addObject(FSDefineShape::rectangle(2, FSBounds(0, 0, 100, 100), FSColor(0, 0, 0)));
    auto* text = new FSDefineEditText(3);
    text->variable = "g_Time";
    text->font = 1;
    movie.addObject(text);
    auto* sprite = new FSDefineSprite(4);
    sprite->add(new FSPlaceObject2(2, 1, FSMatrix()));
    sprite->add(new FSShowFrame());
    movie.addObject(sprite);
    movie.addObject(new FSPlaceObject2(4, 2, FSMatrix(100, 100), "mc_sb0"));
    movie.addObject(new FSPlaceObject2(3, 3, FSMatrix()));
    movie.addObject(new FSShowFrame());
    TemporaryFolder folder;
    movie.encodeToFile(folder.path("display.swf").c_str());
    auto decoded = decodeMovieFile(folder.path("display.swf").c_str());
    ASSERT_EQ(decoded->getObjects().getCount(), 7);
    const char* expected[] = {"FSDefineFont2", "FSDefineShape", "FSDefineEditText", "FSDefineSprite",
                              "FSPlaceObject2", "FSPlaceObject2", "FSShowFrame"};
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(decoded->getObjects()[i]->className(), expected[i]);
}

} // namespace
