#include "publish/SkinCatalogue.h"

#include "publish/OutputDocuments.h"
#include "transform/FSException.h"
#include "transform/FSMovieReader.h"

#include <fstream>
#include <new>

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

namespace {

// A folder that cannot be made shows in the write's reason.
std::error_code unpackBuiltInSkin(const std::filesystem::path& playersFolder, const contract::BuiltInSkin& skin) {
    std::error_code ignored;
    std::filesystem::create_directories(playersFolder, ignored);
    return writeResourceToFile("SWF", skin.resource, skinMovieFile(playersFolder, skin));
}

} // namespace

std::error_code unpackBuiltInSkins(const std::filesystem::path& playersFolder) {
    std::error_code first;
    for (const contract::BuiltInSkin& skin : contract::BuiltInSkins)
        if (std::error_code error = unpackBuiltInSkin(playersFolder, skin); error && !first)
            first = error;
    return first;
}

std::optional<std::string> skinMovieProblem(const std::filesystem::path& file) {
    char signature[3] = {};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(signature, sizeof signature) || (signature[0] != 'F' && signature[0] != 'C') ||
        signature[1] != 'W' || signature[2] != 'S')
        return "is not an SWF movie (it does not begin with the signature FWS or CWS)";
    try {
        transform::decodeMovieFile(file.c_str());
    } catch (const transform::FSException& error) {
        return std::string("is not a readable SWF movie: ") + error.message();
    } catch (const std::bad_alloc&) {
        return "is too large to read as an SWF movie (out of memory)";
    }
    return std::nullopt;
}

PlayerMovie playerMovieFor(const std::string& skin, const std::filesystem::path& playersFolder) {
    // Only the chosen skin is written: each write waits for the disk.
    if (const contract::BuiltInSkin* builtIn = findBuiltInSkin(skin)) {
        std::filesystem::path movie = skinMovieFile(playersFolder, *builtIn);
        if (std::error_code error = unpackBuiltInSkin(playersFolder, *builtIn))
            return {{}, "cannot be written to " + movie.string() + ": " + error.message()};
        return {movie, std::nullopt};
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(skin, error))
        return {{}, "is not a known skin or an existing file"};
    if (std::optional<std::string> problem = skinMovieProblem(skin))
        return {{}, problem};
    return {std::filesystem::absolute(skin), std::nullopt};
}

} // namespace publish
