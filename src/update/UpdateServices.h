// The platform services the update check asks for: the computer's own network address and the
// download of the news file. Windows install adapters (POSIX resolver, Qt network access); tests
// install doubles.
#pragma once

#include <functional>
#include <string>

namespace mcb {

class LocalAddress {
public:
    virtual ~LocalAddress() = default;
    // The local IPv4 address as dotted text; "0.0.0.0" when the computer has none.
    virtual std::string GetLocalIP() = 0;
};

enum class DownloadResult {
    Ok,
    Refused,  // an address or a redirect that is not allowed
    TooLarge, // the answer is longer than the limit
    TimedOut,
    Failed, // any other failure: network, server, writing the file
};

class Download {
public:
    virtual ~Download() = default;
    // Fetches `url` into the file `path` (replacing it) and calls `done` once with the result, possibly
    // before returning. Only a complete answer within the limits (see DownloadPolicy) is written.
    virtual void Fetch(const std::string& url, const std::string& path, std::function<void(DownloadResult)> done) = 0;
};

} // namespace mcb
