#include "storage/CatalogueFormat.h"
#include "storage/DayNumber.h"
#include "storage/Literal.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(DiscId, PaddedToFiveDigitsThenLonger) {
    const std::pair<long long, const char*> cases[] = {
        {1, "00001"}, {123, "00123"}, {99999, "99999"}, {100000, "100000"}, {2000000000, "2000000000"}};
    for (const auto& [n, text] : cases) {
        EXPECT_EQ(DiscIdText(n), text);
        EXPECT_EQ(ParseDiscId(text), n);
    }
}

TEST(DiscId, InvalidTextParsesAsZero) {
    for (const char* text : {"", "abc", "00012x", "12 ", "2147483648", "99999999999", "0x10", "-"})
        EXPECT_EQ(ParseDiscId(text), 0) << '"' << text << '"';
    EXPECT_EQ(ParseDiscId("00000"), 0);
    EXPECT_EQ(ParseDiscId("+00012"), 12);
    EXPECT_EQ(ParseDiscId(" 00012"), 12) << "as the engine reads integers";
}

TEST(Carrier, PacksMediumAndCount) {
    struct Case {
        int car, medium, count;
    } cases[] = {{3073, 3, 1}, {3074, 3, 2}, {-1024, -1, 0}, {1, 0, 1}, {5129, 5, 9}, {-1023, 0, -1023}};
    for (const auto& c : cases) {
        EXPECT_EQ(CarrierMedium(c.car), c.medium) << c.car;
        EXPECT_EQ(CarrierCount(c.car), c.count) << c.car;
    }
    EXPECT_EQ(PackCarrier(3, 1), 3073);
    EXPECT_EQ(PackCarrier(-1, 7), -1024) << "no medium keeps no count";
}

TEST(DayNumbers, KnownDatesBothWays) {
    struct Case {
        int year, month, day, number;
    } cases[] = {{1899, 12, 30, 0},    {2026, 12, 8, 46364}, {1900, 1, 1, 2},       {1900, 3, 1, 61},
                 {2000, 2, 29, 36585}, {2100, 3, 1, 73110},  {1600, 3, 1, -109511}, {1899, 1, 1, -363}};
    for (const auto& c : cases) {
        EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.number) << c.year << '-' << c.month << '-' << c.day;
        const CalendarDay back = CalendarDate(c.number);
        EXPECT_EQ(back.year, c.year);
        EXPECT_EQ(back.month, c.month);
        EXPECT_EQ(back.day, c.day);
    }
}

TEST(PicturePath, EncodesRelativeToTheCatalogueFolder) {
    const std::string base = "/home/u/discs/";
    struct Case {
        std::string path, stored;
    } cases[] = {
        {"/home/u/discs/covers/film.jpg", "\"?covers/film.jpg\""},
        {"/home/u/discs/film.jpg", "\"?film.jpg\""},
        {"/srv/pics/film.jpg", "\"/srv/pics/film.jpg\""},
        {"   /srv/a b.jpg", "\"/srv/a b.jpg\""},
        {"", "\"\""},
        {"  ", "\"\""},
        {"/home/u/Discs/film.jpg", "\"/home/u/Discs/film.jpg\""}, // another folder on Linux
        {"/x/home/u/discs/f.jpg", "\"/x?f.jpg\""},
        {"/home/u/discs/a\nLin=999.jpg", "\"\""}, // a line break would corrupt the file
    };
    for (const auto& c : cases) EXPECT_EQ(EncodePicturePath(c.path, base), c.stored) << c.path;
}

TEST(PicturePath, StoresCyrillicAsWindows1251) {
    EXPECT_EQ(EncodePicturePath("/home/u/Фильмы/обложка.jpg", "/home/u/Фильмы/"), W("\"?обложка.jpg\""));
    EXPECT_EQ(DecodePicturePath(W("\"?обложка.jpg\""), "/media/Диски/"), "/media/Диски/обложка.jpg");
}

TEST(PicturePath, DecodesAgainstTheCurrentFolder) {
    const std::string base = "/media/moved/";
    struct Case {
        std::string stored, path;
    } cases[] = {
        {"\"?covers/film.jpg\"", "/media/moved/covers/film.jpg"},           // catalogue moved since
        {"\"?covers\\old\\film.jpg\"", "/media/moved/covers/old/film.jpg"}, // written on Windows
        {"\"C:\\pics\\film.jpg\"", "C:\\pics\\film.jpg"},                   // absolute Windows path stays
        {"\"/srv/pics/film.jpg\"", "/srv/pics/film.jpg"},
        {"\"\"", ""},
        {"", ""},
        {"\"", ""},
        {"?film.jpg", "/media/moved/film.jpg"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodePicturePath(c.stored, base), c.path) << c.stored;
}

// No path the system can open is longer than 4,096 bytes; a longer one is no picture, decided before
// "?" is expanded, so that megabytes of "?" cost nothing.
TEST(PicturePath, OverlongPathIsNoPicture) {
    const std::string base = "/media/moved/"; // 13 bytes
    const std::string longest = "/" + std::string(4095, 'a');
    const struct {
        std::string stored;
        std::size_t length; // of the decoded path, 0 for none
    } cases[] = {
        {"\"" + longest + "\"", 4096},
        {"\"" + longest + "b\"", 0},
        {"?" + std::string(4096 - 13, 'a'), 4096},
        {"?" + std::string(4096 - 12, 'a'), 0},
        {"\"" + std::string(315, '?') + "\"", 315 * 13},
        {"\"" + std::string(316, '?') + "\"", 0}, // 4,108 bytes
        {std::string(10'000'000, '?'), 0},
        {std::string(2100, '\xE0'), 0}, // 2,100 Cyrillic letters are 4,200 bytes in UTF-8
        {std::string(2048, '\xE0'), 4096},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodePicturePath(c.stored, base).size(), c.length) << c.stored.substr(0, 40);
}

TEST(PicturePath, RoundTripBelowAndOutsideTheFolder) {
    const std::string base = "/home/u/discs/";
    for (const char* path : {"/home/u/discs/a/b/c.jpg", "/tmp/x.gif", "", "/home/u/discs/"})
        EXPECT_EQ(DecodePicturePath(EncodePicturePath(path, base), base), path);
}

} // namespace
} // namespace mcb
