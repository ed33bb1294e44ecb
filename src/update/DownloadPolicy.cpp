#include "update/DownloadPolicy.h"

#include "storage/Cp1251.h"
#include "storage/TextCodec.h"
#include "update/UpdateSite.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <netinet/in.h>

namespace mcb {

namespace {

bool IsLoopback(std::string_view host) {
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    const std::string text(host);
    in_addr v4{};
    if (inet_pton(AF_INET, text.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    return inet_pton(AF_INET6, text.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

bool StaysInPackageName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view(".+-~_").find(c) != std::string_view::npos;
}

} // namespace

bool RequestAllowed(std::string_view scheme, std::string_view host) {
    if (host.empty()) return false;
    return EqualsUpper(scheme, "https") || (EqualsUpper(scheme, "http") && IsLoopback(host));
}

bool RedirectAllowed(std::string_view scheme) {
    return EqualsUpper(scheme, "https");
}

std::string UpdateSite() {
    const char* mirror = std::getenv("MIRVANE_UPDATE_SITE");
    std::string site = mirror && *mirror ? mirror : kBuiltInUpdateSite;
    while (!site.empty() && site.back() == '/') site.pop_back();
    return site;
}

bool CheckRunsByItself(const std::string& site) {
    return site != kPlaceholderUpdateSite;
}

std::string NewsUrl(const std::string& site) {
    return site + "/whatnews.txt";
}

std::string PackageUrl(const std::string& site, const std::string& version) {
    std::string url;
    for (const char c : site) url += c == ' ' ? std::string("%20") : std::string(1, c);
    url += "/mirvane-cdbase_";
    // The version comes from the downloaded news file: whatever it holds stays inside the file name.
    static const char* const kHex = "0123456789ABCDEF";
    for (const char c : Utf8FromCp1251(version)) {
        const auto byte = static_cast<unsigned char>(c);
        if (StaysInPackageName(c))
            url += c;
        else
            url.append({'%', kHex[byte >> 4], kHex[byte & 15]});
    }
    return url + "_amd64.deb";
}

} // namespace mcb
