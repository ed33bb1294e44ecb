#include "update/DownloadPolicy.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(DownloadPolicyTest, OnlyHttpsOrPlainHttpToTheComputerItself) {
    const struct {
        const char* scheme;
        const char* host;
        bool allowed;
    } cases[] = {
        {"https", "mirvane.example", true},
        {"HTTPS", "203.0.113.7", true},
        {"https", "", false},
        {"http", "127.0.0.1", true},
        {"http", "127.255.0.9", true},
        {"HTTP", "[::1]", true},
        {"http", "::1", true},
        {"http", "mirvane.example", false},
        {"http", "localhost", false},
        {"http", "128.0.0.1", false},
        {"http", "127.0.0.1.evil.test", false},
        {"http", "[::ffff:127.0.0.1]", false},
        {"http", "0.0.0.0", false},
        {"ftp", "127.0.0.1", false},
        {"file", "", false},
        {"", "127.0.0.1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(RequestAllowed(c.scheme, c.host), c.allowed) << c.scheme << "://" << c.host;
    EXPECT_TRUE(RedirectAllowed("https"));
    EXPECT_FALSE(RedirectAllowed("http")) << "not even to the loopback address";
    EXPECT_FALSE(RedirectAllowed("ftp"));
}

TEST(DownloadPolicyTest, SiteCanBeMirrored) {
    unsetenv("MIRVANE_UPDATE_SITE");
    const std::string own = UpdateSite();
    EXPECT_EQ(own.rfind("https://", 0), 0u);
    const struct {
        const char* variable;
        std::string site;
    } cases[] = {{"http://127.0.0.1:8080", "http://127.0.0.1:8080"},
                 {"https://mirror.test/soft//", "https://mirror.test/soft"},
                 {"", own}};
    for (const auto& c : cases) {
        setenv("MIRVANE_UPDATE_SITE", c.variable, 1);
        EXPECT_EQ(UpdateSite(), c.site) << c.variable;
    }
    unsetenv("MIRVANE_UPDATE_SITE");
    EXPECT_EQ(NewsUrl("https://mirror.test"), "https://mirror.test/whatnews.txt");
    EXPECT_EQ(InstallerUrl("https://mirror.test/a b"), "https://mirror.test/a%20b/MVBase.exe");
}

} // namespace
} // namespace mcb
