#include "upload/LocalFolder.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using testing_support::TemporaryFolder;

namespace {

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(LocalFolder, SendsRegularFilesAndNamesWhatItLeaves) {
    TemporaryFolder temporary;
    fs::path output = temporary.path("output");
    writeText(output / "1.swf", "movie bytes");
    writeText(output / "empty.txt", "");
    writeText(output / "ruffle/core.wasm", std::string(300000, 'w'));
    writeText(output / "ruffle/deep/part.js", "js");
    writeText(output / "ruffle/.tunemill-manifest", "a name of the upload only at the top");
    writeText(output / ".tunemill-manifest", "the user's");
    writeText(output / "ruffle/.tunemill-incoming-core.wasm", "x");
    writeText(output / ".tunemill-outgoing-folder/inside.txt", "x");
    writeText(output / "tab\tname.txt", "x");
    fs::create_symlink("1.swf", output / "link.swf");
    fs::create_directory_symlink("ruffle", output / "linked-folder");
    ASSERT_EQ(mkfifo((output / "ruffle/pipe").c_str(), 0600), 0);

    upload::LocalFolder described;
    fs::path failed;
    ASSERT_FALSE(describeLocalFolder(output, described, failed));

    std::vector<std::string> paths;
    for (const upload::ManifestEntry& file : described.files) {
        paths.push_back(file.path);
        publish::ContentHash hash;
        ASSERT_FALSE(publish::hashFile(output / file.path, hash));
        EXPECT_EQ(file.hash, hash) << file.path;
        EXPECT_EQ(file.size, fs::file_size(output / file.path)) << file.path;
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"1.swf", "empty.txt", "ruffle/.tunemill-manifest", "ruffle/core.wasm",
                                               "ruffle/deep/part.js"}));
    EXPECT_EQ(described.notSent,
              (std::vector<std::string>{".tunemill-manifest", ".tunemill-outgoing-folder", "link.swf",
                                        "linked-folder", "ruffle/.tunemill-incoming-core.wasm", "ruffle/pipe",
                                        "tab\tname.txt"}));
}

TEST(LocalFolder, NamesTheFolderItCannotRead) {
    TemporaryFolder temporary;
    fs::path missing = temporary.path("output");
    upload::LocalFolder described;
    fs::path failed;
    EXPECT_EQ(describeLocalFolder(missing, described, failed), std::errc::no_such_file_or_directory);
    EXPECT_EQ(failed, missing);
}

} // namespace
