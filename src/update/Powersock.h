// The program's socket component, reduced to what the program uses: the local IPv4 address, with
// status reports. Connecting, sending and reading are not needed by the program and not built; no
// socket is opened, since the address lookup needs none.
#pragma once

#include "update/UpdateServices.h"

#include <functional>
#include <string>

struct addrinfo;

namespace mcb {

class TPowersock : public LocalAddress {
public:
    using StatusEvent = std::function<void(TPowersock& sender, const std::string& status)>;

    // Reports of a level above this are not made (0: none).
    int ReportLevel = 0;
    // Receives the reports; whatever it throws is swallowed.
    StatusEvent OnStatus;

    // The first IPv4 address of the computer's own host name; "0.0.0.0" when the name cannot be
    // resolved or has no IPv4 address.
    std::string GetLocalIP() override;

private:
    void Report(const std::string& status, int level);
};

// Dotted text of the first IPv4 address the resolver gives for `hostName`, "0.0.0.0" for none.
std::string IPv4OfHost(const std::string& hostName);
// Dotted text of the first IPv4 entry of a resolver answer, "0.0.0.0" for none.
std::string FirstIPv4(const addrinfo* answer);

// The text of a socket error: the code, ":" and its message ("Unknown Error No. " and the code for a
// code the table does not know).
std::string SocketErrorText(int code);

} // namespace mcb
