#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace mcb {
namespace {

class SettingsFile : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(SettingsFile, MissingFileGivesEveryDefault) {
    const TIniFile ini(kSettingsFileName);
    const Settings s = ReadSettings(ini, 46364);
    EXPECT_EQ(s.BaseName, "");
    EXPECT_EQ(s.window.MainState, 1);
    EXPECT_EQ(s.window.SplitterPos, 180);
    EXPECT_EQ(s.mainTableWidths, (std::array<int, 12>{}));
    EXPECT_TRUE(s.filter.Nalichie && s.filter.Otdacha && s.filter.SubNazva);
    EXPECT_EQ(s.filter.Au, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_EQ(s.setup.SortOrder, 1);
    EXPECT_EQ(s.setup.MagazLines, 1000);
    EXPECT_EQ(s.setup.MagazEvents, 31);
    EXPECT_EQ(s.setup.UpdateDate, 46364) << "the last check defaults to today";
    EXPECT_FALSE(s.setup.NoUpdating);
    EXPECT_EQ(s.printer.Font, "Microsoft Sans Serif");
    EXPECT_EQ(s.printer.BackColor, 14211288);
    EXPECT_EQ(s.printer.NewColor, 65280);
    EXPECT_EQ(s.printer.InfoColor, 16383);
}

TEST_F(SettingsFile, MalformedValuesReadAsDefaults) {
    std::filesystem::create_directories(std::filesystem::path(dir.SettingsFile()).parent_path());
    dir.Write("config/mirvane-cdbase/MirvaneCDB.ini",
              "[WindowState]\r\nMainState=\r\nSplitterPos=wide\r\nDictWidth=99999999999\r\nEditWidth=-30\r\n"
              "[MainTable]\r\nWidth3=-120\r\nWidth4=1e3\r\n[Setup]\r\nSortOrder=0x\r\nDolgDays=2\r\nShowNewCD=5\r\n"
              "UpdateDate=\r\nNoUpdating=1\r\n[Printer]\r\nNewColor=-1\r\nInfoColor=16777471\r\n");
    const TIniFile ini(kSettingsFileName);
    const Settings s = ReadSettings(ini, 100);
    EXPECT_EQ(s.window.MainState, 1);
    EXPECT_EQ(s.window.SplitterPos, 180);
    EXPECT_EQ(s.window.DictWidth, 0);
    EXPECT_EQ(s.window.EditWidth, -30);
    EXPECT_EQ(s.mainTableWidths[3], -120) << "hidden column";
    EXPECT_EQ(s.mainTableWidths[4], 0);
    EXPECT_EQ(s.setup.SortOrder, 1);
    EXPECT_EQ(s.setup.DolgDays, 2);
    EXPECT_TRUE(s.setup.ShowNewCD);
    EXPECT_EQ(s.setup.UpdateDate, 100);
    EXPECT_TRUE(s.setup.NoUpdating);
    EXPECT_EQ(s.printer.NewColor, 0xFFFFFF) << "colours keep their low 24 bits";
    EXPECT_EQ(s.printer.InfoColor, 255);
}

// The closing order decides the layout of a fresh settings file.
TEST_F(SettingsFile, WrittenInTheClosingOrder) {
    Settings s = ReadSettings(TIniFile(dir.File("none.ini")), 46364);
    s.BaseName = "/home/u/discs.cbf";
    s.mainTableWidths[3] = -120;
    s.window.MainWidth = 800;
    s.filter.Nazva = "war";
    s.filter.Au[2] = false;
    s.setup.NoUpdating = true;
    {
        TIniFile ini(dir.File("s.ini"));
        WriteSettings(ini, s);
    }
    EXPECT_EQ(test::TempDir::Read(dir.File("s.ini")),
              "[Base]\r\nBaseName=/home/u/discs.cbf\r\n\r\n"
              "[MainTable]\r\nWidth0=0\r\nWidth1=0\r\nWidth2=0\r\nWidth3=-120\r\nWidth4=0\r\nWidth5=0\r\nWidth6=0\r\n"
              "Width7=0\r\nWidth8=0\r\nWidth9=0\r\nWidth10=0\r\nWidth11=0\r\n\r\n"
              "[WindowState]\r\nMainState=1\r\nMainWidth=800\r\nMainHeight=0\r\nSplitterPos=180\r\nDictWidth=0\r\n"
              "DictHeight=0\r\nEditWidth=0\r\nEditHeight=0\r\nMagazWidth=0\r\nMagazHeight=0\r\n\r\n"
              "[Filter]\r\nNalichie=1\r\nOtdacha=1\r\nOtdaList=\r\nNazva=war\r\nSubNazva=1\r\nGenree=\r\nAu0=1\r\n"
              "Au1=1\r\nAu2=0\r\nAu3=1\r\nCountList=\r\nCompany=\r\nhozi=0\r\n\r\n"
              "[Setup]\r\nEmptyInclude=1\r\nTruncate=0\r\nSortOrder=1\r\nShowNewCD=1\r\nNewCDdays=15\r\nMagazine=1\r\n"
              "MagazTrunc=1\r\nMagazLines=1000\r\nMagazEvents=31\r\nDolgReminder=0\r\nDolgDays=15\r\n"
              "BackUpBase=1\r\nPictureCopy=1\r\nUpdateDate=46364\r\nDolgColor=1\r\n\r\n");
}

TEST_F(SettingsFile, MainSizeKeptWhenClosedOutsideTheNormalState) {
    dir.Write("s.ini", "[WindowState]\r\nMainState=1\r\nMainWidth=640\r\nMainHeight=480\r\n");
    Settings s;
    s.window.MainState = 2;
    s.window.MainWidth = 1920;
    {
        TIniFile ini(dir.File("s.ini"));
        WriteSettings(ini, s);
    }
    const Settings back = ReadSettings(TIniFile(dir.File("s.ini")), 0);
    EXPECT_EQ(back.window.MainState, 2);
    EXPECT_EQ(back.window.MainWidth, 640);
    EXPECT_EQ(back.window.MainHeight, 480);
}

TEST_F(SettingsFile, WindowOwnedSectionsRoundTrip) {
    PrinterSettings p;
    p.Font = "DejaVu Sans";
    p.NewColor = 0x12345678;
    {
        TIniFile ini(dir.File("s.ini"));
        WritePrinterSettings(ini, p);
        WriteDictTableWidths(ini, {10, 20, 30});
        WriteDolgTableWidths(ini, {1, 2, 3, 4});
    }
    const TIniFile ini(dir.File("s.ini"));
    EXPECT_EQ(ReadPrinterSettings(ini).Font, "DejaVu Sans");
    EXPECT_EQ(ReadPrinterSettings(ini).NewColor, 0x345678);
    EXPECT_EQ(ini.ReadString("DolgTable", "Width1", ""), "1");
    EXPECT_EQ(ReadDictTableWidths(ini, 300), (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(ReadDolgTableWidths(ini, 400), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(ReadDictTableWidths(ini, 0 /* unused */)[0], 10);

    const TIniFile empty(dir.File("none.ini"));
    EXPECT_EQ(ReadDictTableWidths(empty, 301), (std::array<int, 3>{100, 100, 100}));
    EXPECT_EQ(ReadDolgTableWidths(empty, 403), (std::array<int, 4>{96, 96, 96, 96}));
}

} // namespace
} // namespace mcb
