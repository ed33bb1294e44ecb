#include "OutputFixture.h"
#include "RecordingCanvas.h"
#include "output/PrintCommand.h"
#include "support/FakeServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace mcb {
namespace {

namespace fs = std::filesystem;

TEST(PrintFont, FallsBackAsThePrintWindowDoes) {
    struct Case {
        std::string saved;
        int size;
        std::set<std::string> offered;
        std::string name;
        int printedSize;
    } cases[] = {
        {"Liberation Sans", 12, {"Liberation Sans", kUsualFont}, "Liberation Sans", 12},
        {"Gone", 12, {"Liberation Sans", kUsualFont}, kUsualFont, 12},
        {"Gone", 12, {"Liberation Sans"}, "DejaVu Sans", 9},
        {"Liberation Sans", 0, {"Liberation Sans"}, "Liberation Sans", 6},
        {"Liberation Sans", 400, {"Liberation Sans"}, "Liberation Sans", 16},
    };
    for (const Case& c : cases) {
        PrinterSettings saved;
        saved.Font = c.saved;
        saved.FontSize = c.size;
        const PrintFont font = ChoosePrintFont(saved, test::FakePrinterFonts(c.offered, {"DejaVu Sans", 9}));
        EXPECT_EQ(c.name, font.name) << c.saved << " " << c.size;
        EXPECT_EQ(c.printedSize, font.size) << c.saved << " " << c.size;
    }
}

class PrintCommandTest : public ::testing::Test {
protected:
    int Run(const std::string& catalogue) {
        err_.str("");
        const PrintRequest request{{catalogue, dir_.File("fields.ini"), 46000}, dir_.File("out.pdf")};
        return RunPrintCommand(request, {canvas_, fonts_}, clock_, dates_, err_);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.Path())) names.push_back(entry.path());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir_;
    test::RecordingCanvas canvas_{1200, 3000};
    test::FakePrinterFonts fonts_{{"Liberation Sans", kUsualFont}, {"DejaVu Sans", 9}};
    test::FixedClock clock_;
    test::FixedDateFormat dates_;
    std::ostringstream err_;
};

// The table as "--list" builds it (filter and sort of the settings file), printed with the options
// and font of the "Printer" section; no file is written by the command itself.
TEST_F(PrintCommandTest, PrintsTheListedTableWithTheSavedOptions) {
    dir_.Write("films.cbf", test::CatalogueText({{"Common", {{"LastCDID", "00003"}}},
                                                 {"Contacts", {{"0", "Иван"}}},
                                                 {"00001", {{"Nam", "Бета"}, {"Ent", "1"}, {"Gin", "-1"}}},
                                                 {"00002", {{"Nam", "Альфа"}, {"Ent", "1"}, {"Gin", "-1"}}},
                                                 {"00003", {{"Nam", "Гамма"}, {"Ent", "1"}, {"Gin", "0"}}}}));
    dir_.Write("config/mirvane-cdbase/MirvaneCDB.ini",
               "[Filter]\r\nOtdacha=0\r\n[Printer]\r\nPrintFilter=0\r\nPrintPageNums=0\r\nFont=Liberation Sans\r\n"
               "FontSize=12\r\n");
    const auto before = Entries();
    ASSERT_EQ(0, Run(dir_.File("films.cbf")));
    EXPECT_EQ("", err_.str());
    EXPECT_EQ(before, Entries());
    EXPECT_EQ("Liberation Sans", canvas_.fontName);
    const auto lines = canvas_.Lines();
    ASSERT_EQ(7u, lines.size());
    EXPECT_EQ("Показано дисков : 2, из них отданных в долг: 0", lines[2]);
    EXPECT_EQ("Альфа, ", lines[3]);
    EXPECT_EQ("Бета, ", lines[5]);
    EXPECT_EQ((std::vector<std::string>{"begin", "end"}), canvas_.events);
}

TEST_F(PrintCommandTest, ReportListsTheDiscsInAlphabeticalOrder) {
    dir_.Write("films.cbf", test::CatalogueText({{"Common", {{"LastCDID", "00004"}}},
                                                 {"00001", {{"Nam", "Жук"}}},
                                                 {"00002", {{"Nam", "Ёжик"}}},
                                                 {"00003", {{"Nam", "еж"}}},
                                                 {"00004", {{"Nam", "Актриса"}}}}));
    dir_.Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Printer]\r\nPrintFilter=0\r\nPrintPageNums=0\r\n");
    ASSERT_EQ(0, Run(dir_.File("films.cbf")));
    std::string titles;
    for (const std::string& line : canvas_.Lines())
        if (line.ends_with(", ")) titles += line;
    EXPECT_EQ("Актриса, еж, Ёжик, Жук, ", titles);
}

TEST_F(PrintCommandTest, FailuresNameTheFiles) {
    struct Case {
        const char* name;
        bool writeCatalogue;
        bool refuseEnd;
        const char* message;
    } cases[] = {
        {"empty table", false, false, "Нет данных для печати"},
        {"printer failure", true, true, "не удается записать файл"},
    };
    for (const Case& c : cases) {
        canvas_ = test::RecordingCanvas();
        canvas_.refuseEnd = c.refuseEnd;
        const std::string catalogue = dir_.File(std::string(c.name) + ".cbf");
        if (c.writeCatalogue)
            dir_.Write(std::string(c.name) + ".cbf", test::CatalogueText({{"Common", {{"LastCDID", "1"}}},
                                                                          {"00001", {{"Nam", "A"}, {"Gin", "-1"}}}}));
        EXPECT_EQ(1, Run(catalogue)) << c.name;
        EXPECT_NE(std::string::npos, err_.str().find(c.message)) << err_.str();
        EXPECT_NE(std::string::npos, err_.str().find(dir_.File("out.pdf"))) << err_.str();
    }
}

} // namespace
} // namespace mcb
