// swfinfo FILE: prints the header of an SWF movie and its tag and action tree.

#include "cli/FSMoviePrinter.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: swfinfo FILE\n";
        return 2;
    }
    try {
        transform::FSMovieHeader header;
        auto movie = transform::decodeMovieFile(argv[1], &header);
        transform::FSMoviePrinter(std::cout).print(*movie, header);
    } catch (const transform::FSFileOpenException&) {
        std::cerr << "swfinfo: cannot read " << argv[1] << '\n';
        return 1;
    } catch (const transform::FSException& error) {
        std::cerr << "swfinfo: " << argv[1] << ": " << error.message() << '\n';
        return 1;
    }
    return 0;
}
