#ifndef UPLOAD_CURLHANDLE_H
#define UPLOAD_CURLHANDLE_H

#include <curl/curl.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace upload {

struct CurlEasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlMultiCleanup {
    void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};
struct CurlShareCleanup {
    void operator()(CURLSH* handle) const { curl_share_cleanup(handle); }
};
struct CurlListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

using CurlEasy = std::unique_ptr<CURL, CurlEasyCleanup>;
using CurlMulti = std::unique_ptr<CURLM, CurlMultiCleanup>;
using CurlShare = std::unique_ptr<CURLSH, CurlShareCleanup>;
using CurlList = std::unique_ptr<curl_slist, CurlListCleanup>;

// A new handle; libcurl's global state is set up once, by whichever thread
// asks first, since curl_global_init itself is not safe to race.
CurlEasy newCurlEasy();
CurlMulti newCurlMulti();
// Connections the handles given it share, whether they run on their own
// or in a multi handle: a send then begins on the connection the listing
// logged in on, with no second handshake. For handles of one thread.
CurlShare newConnectionShare();
CurlList curlList(const std::vector<std::string>& lines);

// libcurl callbacks: what arrives appended to the std::string the data
// points to, and what is sent taken from the front of a std::string_view.
std::size_t appendToString(char* data, std::size_t size, std::size_t count, void* target);
std::size_t takeFromStringView(char* buffer, std::size_t size, std::size_t count, void* source);

// Has the handle append what it receives to `target`.
void receiveInto(CURL* handle, std::string& target);
// Has the handle upload `rest`, of its present size, taking from its front.
void uploadFrom(CURL* handle, std::string_view& rest);

} // namespace upload

#endif
