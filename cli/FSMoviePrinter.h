#ifndef CLI_FSMOVIEPRINTER_H
#define CLI_FSMOVIEPRINTER_H

#include "transform/transform.h"

#include <ostream>

namespace transform {

// Writes a movie as readable text: the header, then one line per tag and,
// indented beneath, its actions and their values.
class FSMoviePrinter {
public:
    explicit FSMoviePrinter(std::ostream& out) : out(out) {}

    void print(const FSMovie& movie, const FSMovieHeader& header);

private:
    void printTag(const FSMovieObject& tag, int depth = 0);
    void printActions(const FSActionList& actions, int depth);
    void printAction(const FSActionObject& action, int depth);
    void printValue(const FSValue& value);
    void printTagDetails(const FSMovieObject& tag);
    void printDisplayTagDetails(const FSMovieObject& tag);
    void printActionDetails(const FSActionObject& action);
    void indent(int depth);

    std::ostream& out;
};

} // namespace transform

#endif
