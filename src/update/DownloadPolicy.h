// What the download of the news file may do: only HTTPS (plain HTTP only to the computer itself, so
// that tests can serve the file locally), redirects only to HTTPS, a time limit and a size cap.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

inline constexpr int kDownloadTimeoutMs = 10000;
inline constexpr long long kDownloadMaxBytes = 64 * 1024;

// The address of the first request: HTTPS to any host, or HTTP to a literal loopback address
// (127.0.0.0/8 or ::1, with or without brackets). Scheme and host as the URL parser gave them.
bool RequestAllowed(std::string_view scheme, std::string_view host);

// A redirect is followed only to HTTPS.
bool RedirectAllowed(std::string_view scheme);

// The site of the news file and the packages: the MIRVANE_UPDATE_SITE environment variable when set
// and not empty, otherwise the site the program was built with; without a trailing "/".
std::string UpdateSite();

// Whether the 21-day check may open the update window by itself: not while the site is the
// placeholder, where it could only ever fail. A check by hand always runs.
bool CheckRunsByItself(const std::string& site);

std::string NewsUrl(const std::string& site);
// The Debian package of that version on the site: "<site>/mirvane-cdbase_<version>_amd64.deb", the
// site's blanks written as "%20" and every character of the version but letters, digits and
// ". + - ~ _" percent-encoded (UTF-8), so that it cannot leave the file name.
std::string PackageUrl(const std::string& site, const std::string& version);

} // namespace mcb
