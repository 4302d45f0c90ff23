#include "upload/UploadManifest.h"

#include <gtest/gtest.h>

#include <limits>

using upload::Manifest;
using upload::manifestText;
using upload::parseManifest;

namespace {

const std::string Hash = "0123456789abcdef00000000000000ff";

TEST(UploadManifest, WritesExactBytesAndReadsThemBack) {
    Manifest manifest{{"1.swf", 0, {0x0123456789abcdefULL, 0xfeULL}},
                      {"ruffle/core.wasm", std::numeric_limits<std::uint64_t>::max(), {0, 1}},
                      {"song lyrics é.txt", 4096, {0xffffffffffffffffULL, 0}}};
    const std::string text = "tunemill-manifest 1\n"
                             "1.swf\t0\t0123456789abcdef00000000000000fe\n"
                             "ruffle/core.wasm\t18446744073709551615\t00000000000000000000000000000001\n"
                             "song lyrics é.txt\t4096\tffffffffffffffff0000000000000000\n";
    EXPECT_EQ(manifestText(manifest), text);
    EXPECT_EQ(parseManifest(text), manifest);
    EXPECT_EQ(manifestText({}), "tunemill-manifest 1\n");
    EXPECT_EQ(parseManifest("tunemill-manifest 1\n"), Manifest{});
}

TEST(UploadManifest, RefusesAnythingElse) {
    const std::string Head = "tunemill-manifest 1\n";
    const std::string Line = "a\t1\t" + Hash + "\n";
    const std::string refused[] = {
        "",
        "tunemill-manifest 1",
        "tunemill-manifest 2\n",
        "tunemill-manifest 1\r\n",
        "Tunemill-manifest 1\n" + Line,
        Head + "a\t1\t" + Hash,                     // cut off
        Head + "\n",                                // empty line
        Head + "a\t1\n",                            // no hash
        Head + "a\t" + Hash + "\n",                 // no size
        Head + "a\t1\t" + Hash + "\tmore\n",        // a field too many
        Head + "a\t\t" + Hash + "\n",               // empty size
        Head + "a\t-1\t" + Hash + "\n",             // sign
        Head + "a\t+1\t" + Hash + "\n",             // sign
        Head + "a\t01\t" + Hash + "\n",             // leading zero
        Head + "a\t1 \t" + Hash + "\n",             // not decimal
        Head + "a\t0x1\t" + Hash + "\n",            // not decimal
        Head + "a\t18446744073709551616\t" + Hash + "\n", // overflows
        Head + "a\t1\t0123456789ABCDEF00000000000000ff\n", // upper case
        Head + "a\t1\t" + Hash.substr(1) + "\n",    // 31 digits
        Head + "a\t1\t" + Hash + "0\n",             // 33 digits
        Head + "a\t1\tg" + Hash.substr(1) + "\n",   // not hex
        Head + "\t1\t" + Hash + "\n",               // empty path
        Head + "/a\t1\t" + Hash + "\n",             // absolute
        Head + "../a\t1\t" + Hash + "\n",
        Head + "a/../b\t1\t" + Hash + "\n",
        Head + "./a\t1\t" + Hash + "\n",
        Head + "a/.\t1\t" + Hash + "\n",
        Head + "a//b\t1\t" + Hash + "\n",
        Head + "a/\t1\t" + Hash + "\n",
        Head + "a\rb\t1\t" + Hash + "\n",           // control characters
        Head + "a\x7f\t1\t" + Hash + "\n",
        Head + std::string("a\0b", 3) + "\t1\t" + Hash + "\n",
        Head + Line + Line,                         // twice
        Head + "b\t1\t" + Hash + "\n" + Line,       // unsorted
        Head + Line + "\n",                         // a blank line at the end
    };
    for (const std::string& text : refused)
        EXPECT_EQ(parseManifest(text), std::nullopt) << testing::PrintToString(text);
}

} // namespace
