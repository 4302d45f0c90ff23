#ifndef UPLOAD_PERCENTENCODING_H
#define UPLOAD_PERCENTENCODING_H

#include <optional>
#include <string>
#include <string_view>

namespace upload {

// Nothing when an escape is cut off or decodes to a control character:
// such a name is never one of ours, and never safe to show.
std::optional<std::string> percentDecoded(std::string_view text);
// Everything but letters, digits, "-._~" and "/" escaped, as a URL's path
// carries it.
std::string percentEncoded(std::string_view text);

} // namespace upload

#endif
