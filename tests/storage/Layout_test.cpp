#include "storage/Layout.h"
#include "storage/Literal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

class LayoutFile : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(LayoutFile, MissingFileKeepsTheBuiltInLayout) {
    const TableLayout layout = ReadLayout(dir.File("fields.ini"));
    EXPECT_EQ(layout.headers[0], "ID");
    EXPECT_EQ(layout.headers[8], W("Компания-производитель"));
    EXPECT_EQ(layout.headers[11], W("Носитель"));
    EXPECT_EQ(layout.media[5], "VHS");
    EXPECT_EQ(layout.media[6], "");
    EXPECT_EQ(layout.maxMedium, 5);
}

TEST_F(LayoutFile, GivenNamesReplaceTheBuiltInOnes) {
    struct Case {
        const char* file;
        int maxMedium;
        std::array<const char*, 3> media; // media 0, 6, 9
        const char* header3;
    } cases[] = {
        {"[Medium]\r\nLine9=BD\r\n", 9, {"CD", "", "BD"}, nullptr},
        {"[Medium]\r\nLine0=LP\r\nLine2=\r\n", 5, {"LP", "", ""}, nullptr},
        {"[Medium]\r\nLine15=MD\r\nLine16=ignored\r\n[TableHeaders]\r\nHeader3=Style\r\nHeader4=\r\n",
         15,
         {"CD", "", ""},
         "Style"},
    };
    for (const auto& c : cases) {
        dir.Write("fields.ini", c.file);
        const TableLayout layout = ReadLayout(dir.File("fields.ini"));
        EXPECT_EQ(layout.maxMedium, c.maxMedium) << c.file;
        EXPECT_EQ(layout.media[0], c.media[0]) << c.file;
        EXPECT_EQ(layout.media[6], c.media[1]) << c.file;
        EXPECT_EQ(layout.media[9], c.media[2]) << c.file;
        EXPECT_EQ(layout.headers[3], c.header3 ? std::string(c.header3) : W("Жанр")) << c.file;
        EXPECT_EQ(layout.headers[4], W("Аудитория")) << c.file;
    }
}

} // namespace
} // namespace mcb
