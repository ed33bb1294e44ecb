#include "update/DownloadPolicy.h"

#include "platform/ProjectAddresses.h"
#include "storage/Cp1251.h"

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
    std::string site = mirror && *mirror ? mirror : kProjectSite;
    while (!site.empty() && site.back() == '/') site.pop_back();
    return site;
}

std::string NewsUrl(const std::string& site) {
    return site + "/whatnews.txt";
}

std::string InstallerUrl(const std::string& site) {
    std::string url;
    for (const char c : site + "/MVBase.exe") url += c == ' ' ? std::string("%20") : std::string(1, c);
    return url;
}

} // namespace mcb
