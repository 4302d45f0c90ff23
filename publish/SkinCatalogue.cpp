#include "publish/SkinCatalogue.h"

#include "publish/OutputDocuments.h"

namespace publish {

const contract::BuiltInSkin* findBuiltInSkin(const std::string& commandName) {
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        if (commandName == skin.commandName)
            return &skin;
    return nullptr;
}

const contract::BuiltInSkin* builtInSkinOfMovie(const std::filesystem::path& movie) {
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        if (movie.filename() == skin.fileName)
            return &skin;
    return nullptr;
}

std::filesystem::path skinMovieFile(const std::filesystem::path& playersFolder, const contract::BuiltInSkin& skin) {
    return playersFolder / skin.fileName;
}

int unpackBuiltInSkins(const std::filesystem::path& playersFolder) {
    std::error_code ignored;
    std::filesystem::create_directories(playersFolder, ignored);
    int written = 0;
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        written += writeResourceToFile("SWF", skin.resource, skinMovieFile(playersFolder, skin)) ? 1 : 0;
    return written;
}

std::optional<std::filesystem::path> playerMovieFor(const std::string& skin,
                                                    const std::filesystem::path& playersFolder) {
    if (const contract::BuiltInSkin* builtIn = findBuiltInSkin(skin)) {
        unpackBuiltInSkins(playersFolder);
        return skinMovieFile(playersFolder, *builtIn);
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(skin, error))
        return std::nullopt;
    return std::filesystem::absolute(skin);
}

} // namespace publish
