#ifndef PREVIEW_CONTENTCODING_H
#define PREVIEW_CONTENTCODING_H

#include <string_view>

namespace preview {

// How a file is sent: as it is, or as the brotli or gzip copy that lies
// beside it (NAME.br, NAME.gz), made once when the file was.
enum class ContentCoding { Identity, Gzip, Brotli };

struct StoredCodings {
    bool brotli = false;
    bool gzip = false;
};

// The coding to send for a request's Accept-Encoding among those stored:
// of brotli and gzip the one the client weighs higher, brotli where it
// weighs them alike, else none. A coding given q=0, by name or by "*", is never
// chosen; the file as it is always may be, as nothing else can be sent.
ContentCoding chooseContentCoding(std::string_view acceptEncoding, StoredCodings stored);

// The Content-Encoding value ("br", "gzip"); empty for Identity.
const char* codingName(ContentCoding coding);
// What the stored copy's name adds to the file's (".br", ".gz"; empty).
const char* codingSuffix(ContentCoding coding);

} // namespace preview

#endif
