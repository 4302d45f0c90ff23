#include "upload/Base64.h"

#include <openssl/evp.h>

#include <vector>

namespace upload {

std::string base64Encoded(std::string_view bytes) {
    std::vector<unsigned char> text(4 * ((bytes.size() + 2) / 3) + 1);
    int length = EVP_EncodeBlock(text.data(), reinterpret_cast<const unsigned char*>(bytes.data()),
                                 static_cast<int>(bytes.size()));
    return std::string(reinterpret_cast<const char*>(text.data()), static_cast<std::size_t>(length));
}

std::optional<std::string> base64Decoded(std::string_view text) {
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::vector<unsigned char> bytes(text.size() / 4 * 3 + 1);
    int length = EVP_DecodeBlock(bytes.data(), reinterpret_cast<const unsigned char*>(text.data()),
                                 static_cast<int>(text.size()));
    if (length < 0)
        return std::nullopt;
    // EVP_DecodeBlock counts the padding as zero bytes.
    std::size_t padding = text.ends_with("==") ? 2 : text.ends_with('=') ? 1 : 0;
    return std::string(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(length) - padding);
}

} // namespace upload
