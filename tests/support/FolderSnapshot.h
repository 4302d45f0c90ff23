#ifndef TESTS_SUPPORT_FOLDERSNAPSHOT_H
#define TESTS_SUPPORT_FOLDERSNAPSHOT_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

// Everything under a folder, hidden names included: each file's bytes, each
// link's target, each folder's name. Two equal snapshots are the same tree
// byte for byte.
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = fs::relative(entry.path(), folder).string();
        if (entry.is_symlink())
            tree[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            tree[name] = "folder";
        else {
            std::ifstream in(entry.path(), std::ios::binary);
            tree[name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return tree;
}

#endif
