#include "content_cache/CacheKey.h"


namespace publish {

namespace {

// Changes whenever what an entry holds, or how it is keyed, changes
// without the program's version changing.
const int CacheFormat = 1;

// Each field with its length, so that no two different sets of fields
// give the same bytes.
class KeyText {
public:
    KeyText& add(std::string_view field) {
        text += std::to_string(field.size()) + ":";
        text += field;
        return *this;
    }
    KeyText& add(const ContentHash& hash) { return add(hash.hex()); }
    KeyText& add(long number) { return add(std::to_string(number)); }
    const std::string& bytes() const { return text; }

private:
    std::string text;
};

} // namespace

ContentHash cacheKey(const CacheKeyParts& parts) {
    KeyText key;
    key.add(TUNEMILL_VERSION).add(CacheFormat).add(static_cast<long>(parts.kind));
    key.add(parts.source).add(parts.title).add(parts.lyrics);
    key.add(parts.analyser.found ? 1 : 0).add(parts.analyser.library);
    return hashBytes(key.bytes());
}

} // namespace publish
