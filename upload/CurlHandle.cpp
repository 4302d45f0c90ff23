#include "upload/CurlHandle.h"

#include <mutex>

namespace upload {

namespace {

void initialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

CurlEasy newCurlEasy() {
    initialiseCurl();
    return CurlEasy(curl_easy_init());
}

CurlMulti newCurlMulti() {
    initialiseCurl();
    return CurlMulti(curl_multi_init());
}

CurlList curlList(const std::vector<std::string>& lines) {
    curl_slist* list = nullptr;
    for (const std::string& line : lines)
        list = curl_slist_append(list, line.c_str());
    return CurlList(list);
}

} // namespace upload
