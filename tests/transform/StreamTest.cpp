#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace transform;
using namespace testing_support;

namespace {

Bytes contents(const FSStream& stream) { return Bytes(stream.getData(), stream.getData() + stream.getSize()); }

struct RecordingObserver : FSCodingObserver {
    std::vector<FSCodingEvent> events;
    void receive(FSCodingEvent event) override { events.push_back(event); }
};

// A tag that declares one length and writes another.
class MisMeasuredTag : public FSMovieObject {
public:
    MisMeasuredTag(int declared, int written) : FSMovieObject(99), declared(declared), written(written) {}
    const char* className() const override { return "MisMeasuredTag"; }
    FSTransformObject* clone() const override { return new MisMeasuredTag(*this); }
    int length(FSStream& stream) override {
        FSMovieObject::length(stream);
        return bodyLength = declared;
    }

protected:
    // The observer in these tests is to hear of the length error alone.
    bool reportsCoding() const override { return false; }
    void encodeBody(FSStream& stream) override {
        for (int i = 0; i < written; ++i)
            stream.writeWord(0xAA, 8);
    }
    void decodeBody(FSStream&, int) override {}

private:
    int declared;
    int written;
};

} // namespace

TEST(FSStreamWriteTest, BitFieldsPackMostSignificantBitFirst) {
    FSOutputStream stream(2);
    stream.writeBits(3, 5);
    stream.writeBits(15, 4);
    EXPECT_EQ(hex(contents(stream)), "1F 80");
    EXPECT_EQ(stream.getPointer(), 9);
}

TEST(FSStreamWriteTest, BitFieldsKeepTheBitsAlreadyWritten) {
    FSOutputStream stream(1);
    stream.writeBits(1, 1);
    stream.writeBits(0, 3);
    stream.writeBits(0xF, 4);
    EXPECT_EQ(hex(contents(stream)), "8F");
    stream.writeBits(1, 0);
    EXPECT_EQ(stream.getPointer(), 8);
}

TEST(FSStreamWriteTest, WordsAreLittleEndianAndClipToTheBuffer) {
    FSOutputStream stream(3);
    stream.writeWord(0x1234, 16);
    EXPECT_EQ(stream.getPointer(), 16);
    stream.writeWord(0x5678, 16);
    EXPECT_EQ(hex(contents(stream)), "34 12 78");
    EXPECT_EQ(stream.getPointer(), 24);
    stream.writeWord(0x99, 8);
    EXPECT_EQ(stream.getPointer(), 24);
}

TEST(FSStreamWriteTest, WriteBytesCopiesWhatFits) {
    FSOutputStream stream(3);
    const unsigned char bytes[] = {1, 2, 3, 4, 5};
    stream.writeWord(9, 8);
    EXPECT_EQ(stream.writeBytes(bytes, 5), 2);
    EXPECT_EQ(hex(contents(stream)), "09 01 02");
    EXPECT_EQ(stream.writeBytes(bytes, 1), 0);
}

TEST(FSStreamWriteTest, DoublesWriteTheHighHalfFirst) {
    FSOutputStream stream(8);
    stream.writeDouble(1.0);
    EXPECT_EQ(hex(contents(stream)), "00 00 F0 3F 00 00 00 00");
    stream.setPointer(0);
    EXPECT_EQ(stream.readDouble(), 1.0);
}

TEST(FSStreamWriteTest, GenericWriteChoosesFieldOrWord) {
    FSOutputStream stream(3);
    stream.write(-1, FSStream::SignedBits, 4);
    stream.write(0, FSStream::UnsignedBits, 4);
    stream.write(0x0102, FSStream::UnsignedWord, 16);
    EXPECT_EQ(hex(contents(stream)), "F0 02 01");
}

TEST(FSStreamReadTest, BitFieldsSignExtendOnRequest) {
    const unsigned char bytes[] = {0xE0};
    FSStream stream(bytes, 1);
    EXPECT_EQ(stream.readBits(3, true), -1);
    stream.setPointer(0);
    EXPECT_EQ(stream.readBits(3, false), 7);
    EXPECT_EQ(stream.readBits(0, false), 0);
    EXPECT_EQ(stream.getPointer(), 3);
}

TEST(FSStreamReadTest, WordsStringsAndBytesMirrorTheWrites) {
    const unsigned char bytes[] = {0xFE, 0xFF, 'a', 'b', 0, 7, 8};
    FSStream stream(bytes, sizeof bytes);
    EXPECT_EQ(stream.readWord(16, true), -2);
    EXPECT_STREQ(stream.readString().get(), "ab");
    EXPECT_EQ(stream.readBytes(0).data(), nullptr);
    FSBytes tail = stream.readBytes(2);
    EXPECT_EQ(tail.data()[0], 7);
    EXPECT_EQ(tail.data()[1], 8);
    EXPECT_EQ(stream.read(FSStream::UnsignedWord, 0), 0);
}

TEST(FSStreamReadTest, ReadingPastTheEndThrowsNamingTheObject) {
    const unsigned char bytes[] = {1};
    FSStream stream(bytes, 1);
    FSStream::DecodingScope scope(stream, "FSGotoFrame");
    try {
        stream.readWord(16, false);
        FAIL() << "no exception";
    } catch (const FSFormatException& error) {
        EXPECT_STREQ(error.message(), "FSGotoFrame: cannot read past the end of the data.");
    }
    EXPECT_THROW(stream.readBits(9, false), FSFormatException);
    EXPECT_THROW(stream.readBytes(2), FSFormatException);
    EXPECT_THROW(stream.readDouble(), FSFormatException);
    EXPECT_THROW(stream.readString(), FSFormatException);
    EXPECT_EQ(stream.readWord(8, false), 1);
}

TEST(FSStreamTest, AlignToByteRoundsUp) {
    FSOutputStream stream(4);
    stream.alignToByte();
    EXPECT_EQ(stream.getPointer(), 0);
    stream.setPointer(9);
    stream.alignToByte();
    EXPECT_EQ(stream.getPointer(), 16);
}

TEST(FSStreamTest, ContextHasSixteenEntriesStartingAtZero) {
    FSStream stream;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(stream.getContext(i), 0);
    stream.setContext(15, 3);
    EXPECT_EQ(stream.getContext(15), 3);
}

TEST(BitsForTest, CountsTheBitsAFieldNeeds) {
    EXPECT_EQ(bitsFor(0, true), 0);
    EXPECT_EQ(bitsFor(0, false), 0);
    EXPECT_EQ(bitsFor(1, true), 2);
    EXPECT_EQ(bitsFor(-1, true), 2);
    EXPECT_EQ(bitsFor(2, true), 3);
    EXPECT_EQ(bitsFor(1, false), 1);
    EXPECT_EQ(bitsFor(-1, false), 32);
    EXPECT_EQ(bitsFor(INT_MIN, true), 32);
    const int values[] = {0, 20, -20, 1};
    EXPECT_EQ(maxBitsFor(values, 4, true), 6);
    EXPECT_EQ(maxBitsFor(values, 0, true), 0);
}

TEST(CheckedEncodeTest, OverflowThrowsWithoutAnObserver) {
    FSOutputStream stream(32);
    MisMeasuredTag tag(10, 12);
    tag.length(stream);
    try {
        stream.checkedEncode(tag);
        FAIL() << "no exception";
    } catch (const FSFormatException& error) {
        EXPECT_STREQ(error.message(), "MisMeasuredTag overflowed by 2 bytes.");
    }
}

TEST(CheckedEncodeTest, UnderflowThrowsWithoutAnObserver) {
    FSOutputStream stream(32);
    MisMeasuredTag tag(10, 7);
    tag.length(stream);
    try {
        stream.checkedEncode(tag);
        FAIL() << "no exception";
    } catch (const FSFormatException& error) {
        EXPECT_STREQ(error.message(), "MisMeasuredTag underflowed by 3 bytes.");
    }
}

TEST(CheckedEncodeTest, WithAnObserverTheErrorIsReportedAndTheNextTagStartsWhereTheLengthSays) {
    RecordingObserver observer;
    FSOutputStream stream(32);
    stream.setObserver(&observer);
    MisMeasuredTag tag(10, 12);
    tag.length(stream);
    stream.checkedEncode(tag);
    EXPECT_EQ(stream.getPointer(), 8 * (2 + 10));
    ASSERT_EQ(observer.events.size(), 1u);
    const FSCodingEvent& event = observer.events[0];
    EXPECT_EQ(event.kind, FSCodingEvent::Encoding);
    EXPECT_EQ(event.event, FSCodingEvent::Error);
    EXPECT_EQ(event.position, 0);
    EXPECT_EQ(event.reserved, 0);
    EXPECT_STREQ(event.name, "");
    EXPECT_STREQ(event.message, "MisMeasuredTag overflowed by 2 bytes.");
}

TEST(ObserverTest, NamesAreCutToThirtyOneCharacters) {
    RecordingObserver observer;
    FSStream stream;
    stream.setObserver(&observer);
    stream.reportBegin(FSCodingEvent::Decoding, "ANameThatIsLongerThanThirtyOneCharacters");
    ASSERT_EQ(observer.events.size(), 1u);
    EXPECT_EQ(std::string(observer.events[0].name), std::string("ANameThatIsLongerThanThirtyOneCharacters", 31));
    EXPECT_EQ(observer.events[0].kind, FSCodingEvent::Decoding);
}
