#ifndef PREVIEW_HEADERTEXT_H
#define PREVIEW_HEADERTEXT_H

#include <string_view>
#include <vector>

namespace preview {

// A header value without the spaces and tabs around it.
std::string_view trimmedHeaderText(std::string_view text);

// The entries of a comma-separated header value, each trimmed; empty
// entries are left out.
std::vector<std::string_view> headerListEntries(std::string_view value);

} // namespace preview

#endif
