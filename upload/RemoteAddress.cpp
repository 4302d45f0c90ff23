#include "upload/RemoteAddress.h"

#include "upload/PercentEncoding.h"

#include <array>
#include <charconv>
#include <optional>

namespace upload {

namespace {

struct SchemeInfo {
    std::string_view scheme;
    Protocol protocol;
    int port;
};

constexpr std::array<SchemeInfo, 5> Schemes{{{"sftp", Protocol::Sftp, 22},
                                              {"ftp", Protocol::Ftp, 21},
                                              {"ftps", Protocol::Ftps, 990},
                                              {"https", Protocol::WebDav, 443},
                                              {"http", Protocol::WebDav, 80}}};

bool isLoopback(const std::string& host) {
    return host == "localhost" || host == "::1" || host.starts_with("127.");
}

const SchemeInfo* schemeNamed(std::string_view scheme) {
    for (const SchemeInfo& info : Schemes)
        if (info.scheme == scheme)
            return &info;
    return nullptr;
}

const SchemeInfo& schemeOf(const RemoteAddress& address) {
    const SchemeInfo* info = schemeNamed(address.scheme);
    return info ? *info : Schemes[0];
}

// No blank, control character or URL delimiter: what a host's name or
// address may hold.
bool isHostName(std::string_view host) {
    for (char c : host)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7f || std::string_view("/?#\\[]@").find(c) != std::string_view::npos)
            return false;
    return true;
}

// "host", "host:port", "[v6]" or "[v6]:port".
AddressProblem parseHostAndPort(std::string_view text, RemoteAddress& address) {
    std::string_view portText;
    if (text.starts_with('[')) {
        std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return AddressProblem::NotAnAddress;
        address.host = std::string(text.substr(1, close - 1));
        std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(':'))
            return AddressProblem::NotAnAddress;
        portText = rest.empty() ? rest : rest.substr(1);
    } else {
        std::size_t colon = text.find(':');
        address.host = std::string(text.substr(0, colon));
        portText = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    }
    if (address.host.empty() || !isHostName(address.host))
        return AddressProblem::NotAnAddress;
    if (portText.empty())
        return AddressProblem::None;
    auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), address.port);
    if (error != std::errc() || end != portText.data() + portText.size() || address.port < 1 || address.port > 65535)
        return AddressProblem::BadPort;
    return AddressProblem::None;
}

AddressProblem parseFolder(std::string_view path, RemoteAddress& address) {
    std::optional<std::string> folder = percentDecoded(path.empty() ? "/" : path);
    if (!folder)
        return AddressProblem::BadFolder;
    std::string_view rest(*folder);
    while (!rest.empty()) {
        std::size_t slash = rest.find('/');
        std::string_view part = rest.substr(0, slash);
        if (part == "..")
            return AddressProblem::BadFolder;
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    while (folder->size() > 1 && folder->back() == '/')
        folder->pop_back();
    address.folder = *folder;
    return AddressProblem::None;
}

} // namespace

int RemoteAddress::effectivePort() const { return port != 0 ? port : schemeOf(*this).port; }

std::string RemoteAddress::shown() const {
    std::string hostPart = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    if (port != 0)
        hostPart += ":" + std::to_string(port);
    return std::string(schemeOf(*this).scheme) + "://" + hostPart + percentEncoded(folder);
}

std::string RemoteAddress::url(std::string_view path) const {
    std::string base = shown();
    if (!base.ends_with('/'))
        base += '/';
    return base + percentEncoded(path);
}

std::string RemoteAddress::urlWithUser(std::string_view path) const {
    std::string address = url(path);
    if (user.empty())
        return address;
    std::string login;
    for (char c : percentEncoded(user))
        login += c == '/' ? std::string("%2F") : std::string(1, c);
    return address.insert(address.find("://") + 3, login + "@");
}

AddressProblem parseRemoteAddress(std::string_view text, RemoteAddress& address) {
    std::size_t separator = text.find("://");
    if (separator == std::string_view::npos || separator == 0)
        return AddressProblem::NotAnAddress;
    const SchemeInfo* scheme = schemeNamed(text.substr(0, separator));
    if (!scheme)
        return AddressProblem::UnknownScheme;
    RemoteAddress parsed;
    parsed.protocol = scheme->protocol;
    parsed.scheme = std::string(scheme->scheme);
    std::string_view rest = text.substr(separator + 3);
    std::size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    std::string_view path = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos) {
        std::string_view user = authority.substr(0, at);
        if (user.find(':') != std::string_view::npos)
            return AddressProblem::PasswordInAddress;
        std::optional<std::string> decoded = percentDecoded(user);
        if (!decoded || decoded->empty())
            return AddressProblem::NotAnAddress;
        parsed.user = *decoded;
        authority = authority.substr(at + 1);
    }
    if (AddressProblem problem = parseHostAndPort(authority, parsed); problem != AddressProblem::None)
        return problem;
    if (scheme->scheme == "http" && !isLoopback(parsed.host))
        return AddressProblem::PlainHttpNotLoopback;
    if (AddressProblem problem = parseFolder(path, parsed); problem != AddressProblem::None)
        return problem;
    address = parsed;
    return AddressProblem::None;
}

} // namespace upload
