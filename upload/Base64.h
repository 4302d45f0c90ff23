#ifndef UPLOAD_BASE64_H
#define UPLOAD_BASE64_H

#include <optional>
#include <string>
#include <string_view>

namespace upload {

// Standard base64 with "=" padding, as known_hosts holds keys.
std::string base64Encoded(std::string_view bytes);
// Nothing when `text` is not base64.
std::optional<std::string> base64Decoded(std::string_view text);

} // namespace upload

#endif
