#include "preview/HostCheck.h"

#include <string>
#include <strings.h>

namespace preview {

bool namesLoopbackServer(std::string_view host, int port) {
    const std::string suffix = ":" + std::to_string(port);
    if (host.size() <= suffix.size() || host.substr(host.size() - suffix.size()) != suffix)
        return false;
    std::string name(host.substr(0, host.size() - suffix.size()));
    return name == "127.0.0.1" || strcasecmp(name.c_str(), "localhost") == 0;
}

} // namespace preview
