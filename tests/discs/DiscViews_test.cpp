#include "discs/DiscPanel.h"
#include "discs/DiscSummary.h"
#include "discs/DiscsFixture.h"
#include "discs/PictureGeometry.h"
#include "storage/Literal.h"
#include "storage/TextCodec.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

class DiscViewsTest : public test::DiscsTest {
protected:
    void SetUp() override {
        for (const char* file : {"c1.jpg", "c2.jpg"}) dir.Write(file, "picture");
        OpenCatalogue("[Common]\nLastCDID=00006\nContacts=2\nGenres=0\nCountries=0\n"
                      "[Genres]\n0=Фантастика\n[Countries]\n0=СССР\n"
                      "[Contacts]\n0=Иван\n0_mail= ivan@example.org\n1=Петр\n1_mail=\n2=Анна\n"
                      "2_mail=anna@example.org?bcc=spy@evil.org\n"
                      "[00001]\nNam=Один\nGin=-1\nOth=-1\nLon=0\nEnt=46364\n"
                      "[00002]\nNam=Два\nGin=0\nGiv=46000\nOth=1\nLin=2\nLi1=first\nLi2=second\nImg2=\"?c2.jpg\"\n"
                      "[00003]\nNam2=Только второе\nGin=1\nGiv=45000\nImg1=\"?c1.jpg\"\nImg2=\"?c2.jpg\"\n"
                      "[00004]\nNam=Четыре\nGin=2\nImg1=\"?c1.jpg\"\nImg2=\"?missing.jpg\"\n"
                      "[00005]\nNam=Пять\nGin=7\nOth=9\nLin=3\nLi1=x\n"
                      "[00006]\nNam=Солярис\nNam2=Solaris\nGen=0\nAud=2\nRol=Банионис\nDir=Тарковский\nCou=0\n"
                      "Comp=-1\nYear=1972\nLon=167\nCar=5121\nLin=2\nLi1=Океан\nLi2=\n");
    }
    DiscPanel Panel(const std::string& id, InfoView chosen) {
        return DiscPanelOf(*catalogue, id, BaseDir(), dates, chosen);
    }
};

TEST_F(DiscViewsTest, PanelShowsAvailabilityLoanAndOwner) {
    struct Case {
        std::string id, availability, debtor, date, owner;
        bool canMail;
    } cases[] = {
        {"00001", "в наличии", "", "", "", false},
        {"00002", "чужой, отдан в долг", "Иван", "D46000", "Петр", true},
        {"00003", "отдан в долг", "Петр", "D45000", "", false},
        {"00004", "отдан в долг", "Анна", "D0", "", false},
        {"00005", "чужой, отдан в долг", "", "D0", "", false},
    };
    for (const Case& c : cases) {
        const DiscPanel p = Panel(c.id, InfoView::Description);
        EXPECT_TRUE(p.shown) << c.id;
        EXPECT_EQ(Utf8FromCp1251(p.availability), c.availability) << c.id;
        EXPECT_EQ(p.lent, !c.date.empty()) << c.id;
        EXPECT_EQ(Utf8FromCp1251(p.debtor), c.debtor) << c.id;
        EXPECT_EQ(p.lendingDate, c.date) << c.id;
        EXPECT_EQ(p.canMail, c.canMail) << c.id << ": only a plain address can be mailed";
        EXPECT_EQ(p.foreign, c.availability.rfind("чужой", 0) == 0) << c.id;
        EXPECT_EQ(Utf8FromCp1251(p.owner), c.owner) << c.id;
    }
    EXPECT_FALSE(Panel("", InfoView::Description).shown) << "the empty row of an empty table";
    EXPECT_FALSE(Panel("00099", InfoView::Description).shown);
}

TEST_F(DiscViewsTest, PanelChoosesBetweenDescriptionAndPictures) {
    struct Case {
        std::string id;
        InfoView chosen;
        bool memoButton, imageButton;
        InfoView view;
        int picture;
        std::array<bool, 2> pictureButtons;
    } cases[] = {
        {"00001", InfoView::Pictures, false, false, InfoView::None, 0, {false, false}},
        {"00002", InfoView::Description, true, true, InfoView::Description, 2, {false, true}},
        {"00002", InfoView::Pictures, true, true, InfoView::Pictures, 2, {false, true}},
        {"00003", InfoView::Description, false, true, InfoView::Pictures, 1, {true, true}},
        {"00004", InfoView::Description, false, true, InfoView::Pictures, 1, {true, false}},
        {"00005", InfoView::Pictures, true, false, InfoView::Description, 0, {false, false}},
    };
    for (const Case& c : cases) {
        const DiscPanel p = Panel(c.id, c.chosen);
        EXPECT_EQ(p.memoButton, c.memoButton) << c.id;
        EXPECT_EQ(p.imageButton, c.imageButton) << c.id;
        EXPECT_EQ(p.view, c.view) << c.id;
        EXPECT_EQ(p.picture, c.picture) << c.id;
        EXPECT_EQ(p.pictureButtons, c.pictureButtons) << c.id;
    }
    const DiscPanel both = Panel("00003", InfoView::Description);
    EXPECT_EQ(both.picturePaths[1], BaseDir() + "c2.jpg");
    EXPECT_EQ(Panel("00002", InfoView::Description).description, "first\r\nsecond");
    EXPECT_EQ(Panel("00005", InfoView::Description).description, "x\r\n\r\n") << "Lin lines, missing ones empty";
}

TEST_F(DiscViewsTest, SummaryListsTheFilledFields) {
    const TableLayout layout = BuiltInLayout();
    auto summary = [&](const std::string& id) {
        std::vector<std::string> lines;
        for (const std::string& line : DiscSummary(*catalogue, id, layout)) lines.push_back(Utf8FromCp1251(line));
        return lines;
    };
    EXPECT_EQ(
        summary("00006"),
        (std::vector<std::string>{"Название : Солярис", "Второе название : Solaris", " ", "Жанр : Фантастика",
                                  "Аудитория : Семейный", "В гл.ролях : Банионис", "Режиссер : Тарковский",
                                  "Страна : СССР", "Год выпуска : 1972", "Длительность : 167 мин", " ", "Океан", ""}));
    EXPECT_EQ(summary("00001"), (std::vector<std::string>{"Название : Один", " ", " "}))
        << "no new-disc mark, no empty duration";
    EXPECT_TRUE(summary("00042").empty());
    EXPECT_EQ(summary("00005"), (std::vector<std::string>{"Название : Пять", " ", " ", "x", "", ""}))
        << "every one of the Lin lines, a missing key an empty line";
    EXPECT_EQ(Utf8FromCp1251(DiscViewCaption(*catalogue, "00006", W("картинка"))), "Солярис Solaris : картинка");
    EXPECT_EQ(Utf8FromCp1251(DiscViewCaption(*catalogue, "00003", W("описание"))), "Только второе : описание");
}

TEST(PictureGeometry, ViewerWindowFollowsThePictureWithinTheScreen) {
    struct Case {
        PictureSize picture, screen;
        ViewerGeometry expected;
    } cases[] = {
        {{50, 20}, {1024, 768}, {374, 282, {268, 156}}}, {{6000, 4000}, {1920, 1080}, {217, 0, {1478, 1032}}},
        {{5, 300}, {1024, 768}, {499, 34, {18, 652}}},   {{0, 0}, {1024, 768}, {452, 282, {112, 156}}},
        {{65535, 1}, {1024, 768}, {0, 334, {1016, 52}}}, {{1, 65535}, {1024, 768}, {504, 0, {8, 720}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureViewerGeometry(c.picture, c.screen), c.expected) << c.picture.width << "x" << c.picture.height;
}

TEST(PictureGeometry, PanelPictureIsShrunkNeverEnlarged) {
    struct Case {
        PictureSize picture, panel, expected;
    } cases[] = {{{50, 20}, {200, 300}, {50, 20}},
                 {{600, 400}, {200, 300}, {182, 121}},
                 {{400, 1000}, {200, 300}, {116, 292}},
                 {{600, 400}, {10, 5}, {0, 0}},
                 {{0, 0}, {200, 300}, {1, 1}}};
    for (const Case& c : cases)
        EXPECT_EQ(FitPictureInPanel(c.picture, c.panel), c.expected) << c.picture.width << "x" << c.picture.height;
}

} // namespace
} // namespace mcb
