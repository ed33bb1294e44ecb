// The generated catalogues feed the benchmarks, so they must read back as the program reads them.
#include "gen/Generator.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(Generator, SameOptionsSameBytes) {
    const gen::Options a{.discs = 50, .seed = 7, .today = 46364};
    gen::Options b = a;
    EXPECT_EQ(gen::GenerateCatalogueText(a), gen::GenerateCatalogueText(b));
    b.seed = 8;
    EXPECT_NE(gen::GenerateCatalogueText(a), gen::GenerateCatalogueText(b));
}

TEST(Generator, ReadsBackAsACatalogue) {
    test::TempDir dir;
    const gen::Options options{.discs = 2000, .seed = 3, .today = 46364};
    ASSERT_TRUE(gen::WriteCatalogueFile(options, dir.File("g.cbf")));
    const std::string text = test::TempDir::Read(dir.File("g.cbf"));
    EXPECT_EQ(text.rfind(CatalogueFileHeader(), 0), 0u);
    EXPECT_NEAR(static_cast<double>(text.size()) / options.discs, 270, 60);

    const TIniFile ini(dir.File("g.cbf"));
    const auto discs = EnumerateDiscs(ini);
    ASSERT_EQ(discs.size(), 2000u);
    EXPECT_EQ(discs.back(), 2000);
    const std::vector<std::string> order{"Nam", "Nam2", "Gen", "Aud", "Rol", "Cou",
                                         "Lon", "Car",  "Ent", "Giv", "Gin", "Lin"};
    int lent = 0, overdue = 0, foreign = 0;
    for (long long n : discs) {
        const std::string id = DiscIdText(n);
        const auto keys = ini.KeyNames(id);
        ASSERT_GE(keys.size(), order.size() + 6);
        EXPECT_TRUE(std::equal(order.begin(), order.end(), keys.begin())) << id;
        EXPECT_EQ(keys.back(), "Year") << id;
        const int debtor = ini.ReadInteger(id, "Gin", -1);
        lent += debtor != -1;
        overdue += debtor != -1 && options.today - ini.ReadInteger(id, "Giv", 0) > 15;
        foreign += ini.ReadInteger(id, "Oth", -1) != -1;
        EXPECT_LE(ini.ReadInteger(id, "Ent", 0), options.today);
    }
    EXPECT_GT(overdue, 0);
    EXPECT_GT(lent, overdue);
    EXPECT_GT(foreign, 0);
}

} // namespace
} // namespace mcb
