// The title index kept across openings of the disc editor finds exactly what an index made afresh
// finds, whatever changed in the catalogue in between.
#include "discs/TitleIndex.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace mcb {
namespace {

// Titles that are similar only after removing blanks and upper-casing, and empty ones.
const std::vector<std::string> kTitles = {"", " ", "ab", "A B", "a b ", "Ab", "\xEC\xE8\xF0", "\xCC\xC8\xD0", "x"};

TEST(TitleIndex, KeptIndexFindsWhatAFreshIndexFinds) {
    test::TempDir dir;
    std::mt19937 random(5);
    const auto pick = [&] { return kTitles[random() % kTitles.size()]; };
    auto catalogue = std::make_unique<TIniFile>(dir.File("base.cbf"));
    TitleIndex kept;
    for (int step = 0; step < 400; ++step) {
        const long long last = ReadCommonCounters(*catalogue).lastCdid;
        const std::string id = DiscIdText(1 + static_cast<long long>(random() % unsigned(last + 2)));
        switch (random() % 6) {
        case 0:
            catalogue->WriteString("Common", "LastCDID", DiscIdText(last + 1));
            [[fallthrough]];
        case 1:
            catalogue->WriteString(id, random() % 2 ? "Nam" : "nam2", pick());
            break;
        case 2:
            catalogue->EraseSection(id);
            break;
        case 3:
            catalogue->WriteString("Common", "LastCDID", DiscIdText(last + int(random() % 5) - 3));
            break;
        case 4:
            catalogue->DeleteKey(id, "Nam");
            break;
        default:
            ASSERT_TRUE(catalogue->UpdateFile());
            catalogue = std::make_unique<TIniFile>(dir.File("base.cbf"));
            break;
        }
        kept.Update(*catalogue);
        TitleIndex fresh;
        fresh.Update(*catalogue);
        const std::string nam = pick(), nam2 = pick();
        const long long own = static_cast<long long>(random() % 8);
        ASSERT_EQ(fresh.Similar(*catalogue, nam, nam2, own), kept.Similar(*catalogue, nam, nam2, own))
            << "step " << step;
    }
}

} // namespace
} // namespace mcb
