#include "update/Powersock.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <stdexcept>

namespace mcb {
namespace {

TEST(PowersockTest, FirstIPv4OfTheResolverAnswer) {
    sockaddr_in6 v6{};
    v6.sin6_family = AF_INET6;
    sockaddr_in first{}, second{};
    first.sin_family = second.sin_family = AF_INET;
    inet_pton(AF_INET, "192.168.10.20", &first.sin_addr);
    inet_pton(AF_INET, "10.0.0.1", &second.sin_addr);
    addrinfo last{0, AF_INET, SOCK_STREAM, 0, sizeof second, reinterpret_cast<sockaddr*>(&second), nullptr, nullptr};
    addrinfo middle{0, AF_INET, SOCK_STREAM, 0, sizeof first, reinterpret_cast<sockaddr*>(&first), nullptr, &last};
    addrinfo head{0, AF_INET6, SOCK_STREAM, 0, sizeof v6, reinterpret_cast<sockaddr*>(&v6), nullptr, &middle};
    EXPECT_EQ(FirstIPv4(&head), "192.168.10.20");
    EXPECT_EQ(FirstIPv4(&last), "10.0.0.1");
    head.ai_next = nullptr;
    EXPECT_EQ(FirstIPv4(&head), "0.0.0.0") << "no IPv4 address";
    EXPECT_EQ(FirstIPv4(nullptr), "0.0.0.0");
}

// Names that resolve without asking the network.
TEST(PowersockTest, ResolvesHostNames) {
    const struct {
        const char* host;
        const char* address;
    } cases[] = {{"localhost", "127.0.0.1"}, {"10.1.2.3", "10.1.2.3"}, {"::1", "0.0.0.0"}, {"", "0.0.0.0"}};
    for (const auto& c : cases) EXPECT_EQ(IPv4OfHost(c.host), c.address) << c.host;
    const std::string own = TPowersock().GetLocalIP();
    in_addr parsed{};
    EXPECT_EQ(inet_pton(AF_INET, own.c_str(), &parsed), 1) << own;
}

TEST(PowersockTest, ReportsByLevel) {
    for (const int level : {0, 7, 8, 20}) {
        TPowersock sock;
        std::vector<std::string> reports;
        sock.ReportLevel = level;
        sock.OnStatus = [&](TPowersock&, const std::string& status) {
            reports.push_back(status);
            throw std::runtime_error("the handler's own trouble");
        };
        EXPECT_NO_THROW(sock.GetLocalIP());
        EXPECT_EQ(reports, level >= 8 ? std::vector<std::string>{"Getting Local IP"} : std::vector<std::string>{})
            << level;
    }
}

TEST(PowersockTest, SocketErrorTexts) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {10004, "10004:Interrupted system call"}, {10060, "10060:Connection timed out"},
        {10065, "10065:No route to Host"},        {11004, "11004:Valid name, no data record of requested type"},
        {0, "0:Unrecognized error code"},         {10072, "10072:Unknown Error No. 10072"}};
    for (const auto& c : cases) EXPECT_EQ(SocketErrorText(c.code), c.text);
}

} // namespace
} // namespace mcb
