#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

using Ids = std::vector<long long>;

// The plain walk over every identifier up to LastCDID, as the reference result.
Ids WalkEveryIdentifier(const TIniFile& ini) {
    Ids ids;
    for (long long n = 1; n <= ReadCommonCounters(ini).lastCdid; ++n) {
        const std::string s = DiscIdText(n);
        if (!(ini.ReadString(s, "Nam", "") + ini.ReadString(s, "Nam2", "")).empty()) ids.push_back(n);
    }
    return ids;
}

class Enumeration : public ::testing::Test {
protected:
    Ids Enumerate(const std::string& fileText, bool compareWithWalk = true) {
        dir.Write("c.cbf", fileText);
        const TIniFile ini(dir.File("c.cbf"));
        Ids ids = EnumerateDiscs(ini);
        if (compareWithWalk) {
            EXPECT_EQ(ids, WalkEveryIdentifier(ini));
        }
        return ids;
    }
    test::TempDir dir;
};

TEST_F(Enumeration, FindsWhatTheWalkFinds) {
    const std::pair<std::string, Ids> cases[] = {
        {"", {}},
        {"[00001]\r\nNam=a\r\n", {}}, // no LastCDID: nothing allocated
        {"[Common]\r\nLastCDID=00003\r\n[00003]\r\nNam=c\r\n[00001]\r\nNam=a\r\n", {1, 3}},
        {"[Common]\r\nLastCDID=00002\r\n[00001]\r\nNam2=only second\r\n[00002]\r\nNam=\r\nNam2=\r\nGen=1\r\n", {1}},
        {"[Common]\r\nLastCDID=00009\r\n[1]\r\nNam=a\r\n[000002]\r\nNam=b\r\n[00003x]\r\nNam=c\r\n"
         "[ 00004]\r\nNam=d\r\n[00005]\r\nNam=e\r\n[00010]\r\nNam=above\r\n",
         {5}},
        {"[Common]\r\nLastCDID=00002\r\n[00002]\r\nGen=1\r\n[00002]\r\nNam=hidden by the first\r\n[00001]\r\n"
         "Nam=x\r\n[00001]\r\nNam=y\r\n",
         {1}},
        {"[Common]\r\nLastCDID=junk\r\n[00001]\r\nNam=a\r\n", {}},
        {"[Common]\r\nLastCDID=-4\r\n[00001]\r\nNam=a\r\n", {}},
        {"[Common]\r\nLastCDID=100001\r\n[100000]\r\nNam=a\r\n[99999]\r\nNam=b\r\n[100001]\r\nNam=c\r\n",
         {99999, 100000, 100001}},
    };
    for (const auto& [text, ids] : cases) EXPECT_EQ(Enumerate(text), ids) << text;
}

TEST_F(Enumeration, HugeLastIdentifierCostsOnlyTheSectionsPresent) {
    const Ids ids = Enumerate("[Common]\r\nLastCDID=2000000000\r\n[00007]\r\nNam=a\r\n[1999999999]\r\nNam=b\r\n"
                              "[00002]\r\nNam2=c\r\n[2000000001]\r\nNam=beyond\r\n",
                              false);
    EXPECT_EQ(ids, (Ids{2, 7, 1999999999}));
}

} // namespace
} // namespace mcb
