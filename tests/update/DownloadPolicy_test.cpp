#include "storage/Literal.h"
#include "update/DownloadPolicy.h"
#include "update/UpdateSite.h"

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
}

TEST(DownloadPolicyTest, PackageLinkKeepsTheVersionInsideTheFileName) {
    const struct {
        const char* site;
        std::string version, url;
    } cases[] = {
        {"https://mirror.test/a b", "1.9", "https://mirror.test/a%20b/mirvane-cdbase_1.9_amd64.deb"},
        {"https://m.test", "2.0.1-1+deb12u1~rc_2", "https://m.test/mirvane-cdbase_2.0.1-1+deb12u1~rc_2_amd64.deb"},
        {"https://m.test", "../../evil?x=1#y", "https://m.test/mirvane-cdbase_..%2F..%2Fevil%3Fx%3D1%23y_amd64.deb"},
        {"https://m.test", "@evil.test/ 2", "https://m.test/mirvane-cdbase_%40evil.test%2F%202_amd64.deb"},
        {"https://m.test", W("версия"), "https://m.test/mirvane-cdbase_%D0%B2%D0%B5%D1%80%D1%81%D0%B8%D1%8F_amd64.deb"},
        {"https://m.test", std::string("a\0b", 3), "https://m.test/mirvane-cdbase_a%00b_amd64.deb"},
    };
    for (const auto& c : cases) EXPECT_EQ(PackageUrl(c.site, c.version), c.url) << c.version;
}

TEST(DownloadPolicyTest, OnlyARealSiteIsCheckedByItself) {
    unsetenv("MIRVANE_UPDATE_SITE");
    EXPECT_EQ(UpdateSite(), kBuiltInUpdateSite);
    EXPECT_FALSE(CheckRunsByItself(kPlaceholderUpdateSite));
    EXPECT_TRUE(CheckRunsByItself("https://mirror.test"));
    EXPECT_TRUE(CheckRunsByItself("http://127.0.0.1:8080"));
}

} // namespace
} // namespace mcb
