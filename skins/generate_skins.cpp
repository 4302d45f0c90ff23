// Writes the three player skins as SWF files: generate_skins FOLDER writes
// FOLDER/skin208.swf, skin209.swf and skin217.swf.

#include "skins/SkinMovie.h"
#include "transform/FSException.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_skins FOLDER\n");
        return 2;
    }
    try {
        for (const skins::SkinDesign& design : skins::skinDesigns()) {
            std::string path = std::string(argv[1]) + "/skin" + std::to_string(design.resource) + ".swf";
            skins::buildSkinMovie(design)->encodeToFile(path.c_str());
        }
    } catch (const transform::FSException& error) {
        std::fprintf(stderr, "generate_skins: %s\n", error.message());
        return 1;
    }
    return 0;
}
