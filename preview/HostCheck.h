#ifndef PREVIEW_HOSTCHECK_H
#define PREVIEW_HOSTCHECK_H

#include <string_view>

namespace preview {

// True when a request's "Host" names this server as the browser reached it:
// "127.0.0.1:`port`" or "localhost:`port`". A page from elsewhere that has
// rebound its own name to 127.0.0.1 sends its own name, and is refused.
bool namesLoopbackServer(std::string_view host, int port);

} // namespace preview

#endif
