#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace transform;
using namespace testing_support;

TEST(FSSoundStreamHead2Test, Mp3HeadCarriesTheLatency) {
    FSSoundStreamHead2 head(FSSoundMP3, 44100, 2, 2, 44100, 2, 2, 1160, 0);
    Bytes bytes = encode(head);
    EXPECT_EQ(hex(bytes), "46 0B 0F 2F 88 04 00 00");
    auto decoded = decodeAs<FSSoundStreamHead2>(bytes);
    EXPECT_EQ(decoded->format, 2);
    EXPECT_EQ(decoded->playbackRate, 44100);
    EXPECT_EQ(decoded->streamChannels, 2);
    EXPECT_EQ(decoded->streamSampleSize, 2);
    EXPECT_EQ(decoded->streamSampleCount, 1160);
    EXPECT_EQ(encode(*decoded), bytes);
}

TEST(FSSoundStreamHead2Test, PcmHeadHasNoLatency) {
    FSSoundStreamHead2 head(FSSoundPCM, 44100, 2, 2, 44100, 2, 2, 1160, 0);
    EXPECT_EQ(hex(encode(head)), "44 0B 0F 3F 88 04");
    EXPECT_EQ(head.bodyLength, 4);
}

TEST(FSSoundStreamHead2Test, MonoAt22050Hz) {
    FSSoundStreamHead2 head(FSSoundMP3, 22050, 1, 2, 22050, 1, 2, 580, 0);
    Bytes bytes = encode(head);
    EXPECT_EQ(hex(Bytes(bytes.begin() + 2, bytes.begin() + 4)), "0A 2A");
    EXPECT_EQ(decodeAs<FSSoundStreamHead2>(bytes)->streamRate, 22050);
}

TEST(FSSoundStreamHead2Test, RatesMapToTheirCodes) {
    for (int rate : {5512, 11025, 22050, 44100})
        EXPECT_EQ(soundRateFromCode(soundRateCode(rate)), rate);
    EXPECT_EQ(soundRateCode(48000), 3);
    EXPECT_EQ(soundRateCode(8000), 0);
}

TEST(FSSoundStreamBlockTest, LongBodiesGetTheLongHeader) {
    FSSoundStreamBlock block(ownedCopy(Bytes(420, 0x5A)));
    Bytes bytes = encode(block);
    EXPECT_EQ(hex(Bytes(bytes.begin(), bytes.begin() + 6)), "FF 04 A4 01 00 00");
    EXPECT_EQ(bytes.size(), 426u);
    auto decoded = decodeAs<FSSoundStreamBlock>(bytes);
    EXPECT_EQ(decoded->getSize(), 420);
    FSSoundStreamBlock copy(*decoded);
    EXPECT_EQ(encode(copy), bytes);
}

TEST(FSSoundStreamBlockTest, EmptyBlock) {
    FSSoundStreamBlock block;
    EXPECT_EQ(hex(encode(block)), "C0 04");
}

TEST(FSDefineSoundTest, BodyLayout) {
    FSDefineSound sound(1, FSSoundMP3, 44100, 2, 2, 1152, ownedCopy({0xAB, 0xCD}));
    Bytes bytes = encode(sound);
    EXPECT_EQ(sound.bodyLength, 9);
    EXPECT_EQ(hex(Bytes(bytes.begin() + 2, bytes.end())), "01 00 2F 80 04 00 00 AB CD");
    auto decoded = decodeAs<FSDefineSound>(bytes);
    EXPECT_EQ(decoded->identifier, 1);
    EXPECT_EQ(decoded->rate, 44100);
    EXPECT_EQ(decoded->sampleCount, 1152);
    EXPECT_EQ(decoded->data.size(), 2);
    std::unique_ptr<FSTransformObject> clone(decoded->clone());
    EXPECT_EQ(encode(*clone), bytes);
}
