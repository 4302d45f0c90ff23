#include "upload/CurlHandle.h"

#include <algorithm>
#include <mutex>
#include <string_view>

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

CurlShare newConnectionShare() {
    initialiseCurl();
    CurlShare share(curl_share_init());
    curl_share_setopt(share.get(), CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
    return share;
}

CurlList curlList(const std::vector<std::string>& lines) {
    curl_slist* list = nullptr;
    for (const std::string& line : lines)
        list = curl_slist_append(list, line.c_str());
    return CurlList(list);
}

std::size_t appendToString(char* data, std::size_t size, std::size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

std::size_t takeFromStringView(char* buffer, std::size_t size, std::size_t count, void* source) {
    std::string_view& rest = *static_cast<std::string_view*>(source);
    std::size_t taken = std::min(rest.size(), size * count);
    rest.copy(buffer, taken);
    rest.remove_prefix(taken);
    return taken;
}

void receiveInto(CURL* handle, std::string& target) {
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &appendToString);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &target);
}

void uploadFrom(CURL* handle, std::string_view& rest) {
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(rest.size()));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, &takeFromStringView);
    curl_easy_setopt(handle, CURLOPT_READDATA, &rest);
}

} // namespace upload
