// The demo catalogue shipped in examples/ shows every kind of entry the program draws.
#include "storage/CatalogueFormat.h"
#include "storage/DayNumber.h"
#include "storage/MyIniFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace mcb {
namespace {

const std::string kExamples = MCB_SOURCE_DIR "/examples/";

bool IsEntry(const TIniFile& ini, const char* list, int index) {
    return index == -1 || !ini.ReadString(list, std::to_string(index), "").empty();
}

TEST(DemoCatalogue, HoldsEveryKindOfDisc) {
    const TIniFile ini(kExamples + "demo.cbf");
    const int today = DayNumber(2026, 12, 8);
    const auto discs = EnumerateDiscs(ini);
    ASSERT_GE(discs.size(), 25u);
    int lent = 0, overdue = 0, foreign = 0, fresh = 0, covers = 0;
    for (long long n : discs) {
        const std::string id = DiscIdText(n);
        const int debtor = ini.ReadInteger(id, "Gin", -1);
        const int owner = ini.ReadInteger(id, "Oth", -1);
        EXPECT_TRUE(IsEntry(ini, "Contacts", debtor) && IsEntry(ini, "Contacts", owner)) << id;
        EXPECT_TRUE(IsEntry(ini, "Genres", ini.ReadInteger(id, "Gen", -1))) << id;
        EXPECT_TRUE(IsEntry(ini, "Countries", ini.ReadInteger(id, "Cou", -1))) << id;
        EXPECT_TRUE(IsEntry(ini, "Company", ini.ReadInteger(id, "Comp", -1))) << id;
        lent += debtor != -1;
        overdue += debtor != -1 && today - ini.ReadInteger(id, "Giv", 0) > 15;
        foreign += owner != -1;
        fresh += today - ini.ReadInteger(id, "Ent", 0) <= 15;
        const std::string cover = DecodePicturePath(ini.ReadString(id, "Img1", ""), kExamples);
        if (cover.empty()) continue;
        ++covers;
        ASSERT_TRUE(std::filesystem::exists(cover)) << cover;
        EXPECT_LT(std::filesystem::file_size(cover), 20000u) << cover;
    }
    EXPECT_GE(lent, 4);
    EXPECT_EQ(overdue, 2);
    EXPECT_EQ(foreign, 2);
    EXPECT_GE(fresh, 2);
    EXPECT_EQ(covers, 2);
}

} // namespace
} // namespace mcb
