#include "UpdateFakes.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "update/UpdateTexts.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace mcb {
namespace {

namespace fs = std::filesystem;

const std::string kSite = "https://mirror.test";

std::string GoodNews(const std::string& lines) {
    return "[VersionList]\r\nSignature=Quillor\r\nversions=2\r\nversion1=1.8.1\r\nversion2=1.9\r\n[1.9]\r\n" + lines;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class UpdateCheckTest : public ::testing::Test {
protected:
    std::vector<std::string> RunCheck() {
        memo.lines = {"explanation"};
        int finishedCalls = 0;
        check.Check(memo, [&] { ++finishedCalls; });
        EXPECT_EQ(finishedCalls, 1);
        EXPECT_FALSE(check.Downloading());
        return memo.lines;
    }

    test::TempDir dir;
    test::FixedClock clock{46364};
    test::FixedAddress address;
    test::PreparedDownload download;
    test::ScriptedPrompts prompts;
    test::RecordingShell shell;
    test::LinesMemo memo;
    UpdateCheck check{{clock, address, download, prompts, shell}, "1.8.1", kSite};
};

TEST_F(UpdateCheckTest, MemoTellsWhatTheCheckFound) {
    const std::vector<std::string> failure = Join({LoadingLine()}, FailureLines(kSite));
    const struct {
        const char* what;
        std::string address;
        DownloadResult result;
        std::string answer;
        std::vector<std::string> memo;
        bool found;
    } cases[] = {
        {"no address",
         "0.0.0.0",
         DownloadResult::Ok,
         GoodNews("Lines=1\r\nline1=x\r\n"),
         {LoadingLine(), NoConnectionLine()},
         false},
        {"download failed", "10.0.0.2", DownloadResult::Failed, "", failure, false},
        {"answer too large", "10.0.0.2", DownloadResult::TooLarge, "", failure, false},
        {"no answer in time", "10.0.0.2", DownloadResult::TimedOut, "", failure, false},
        {"redirect refused", "10.0.0.2", DownloadResult::Refused, "", failure, false},
        {"signature in another case", "10.0.0.2", DownloadResult::Ok,
         "[VersionList]\r\nSignature=quillor\r\nversions=2\r\nversion1=1.8.1\r\nversion2=1.9\r\n[1.9]\r\nLines=1\r\n"
         "line1=x\r\n",
         failure, false},
        {"nothing newer",
         "10.0.0.2",
         DownloadResult::Ok,
         GoodNews("Lines=1\r\nline1=\r\n"),
         {LoadingLine(), NotFoundLine()},
         false},
        {"newer version", "127.0.1.1", DownloadResult::Ok,
         GoodNews("Lines=2\r\nline1=" + W("Печать") + "\r\nline2=PDF\r\n"),
         Join(Join(FoundHeadLines(), {W("Печать"), "PDF"}), FoundTailLines("1.9")), true},
    };
    for (const auto& c : cases) {
        address.address = c.address;
        download.result = c.result;
        download.answer = c.answer;
        download.requests.clear();
        SetupSettings setup;
        check.Show(setup);
        EXPECT_EQ(RunCheck(), c.memo) << c.what;
        EXPECT_EQ(check.Found(), c.found) << c.what;
        EXPECT_EQ(download.requests, c.address == "0.0.0.0" ? std::vector<std::string>{}
                                                            : std::vector<std::string>{kSite + "/whatnews.txt"})
            << c.what;
        EXPECT_FALSE(fs::exists(dir.File("news.txt"))) << c.what << ": the news file is removed in every case";
    }
}

// Each check downloads into a folder of its own that only the user may enter, gone after reading.
TEST_F(UpdateCheckTest, NewsFileGoesToAPrivateFolderOfItsOwn) {
    download.answer = GoodNews("");
    fs::perms permissions{};
    download.onFetch = [&](const std::string& path) {
        permissions = fs::status(fs::path(path).parent_path()).permissions();
    };
    RunCheck();
    RunCheck();
    ASSERT_EQ(download.paths.size(), 2u);
    for (const fs::path news : download.paths) {
        EXPECT_EQ(news.filename(), "news.txt");
        EXPECT_FALSE(fs::exists(news.parent_path())) << "the folder goes with the file";
    }
    EXPECT_NE(download.paths[0], download.paths[1]);
    EXPECT_EQ(permissions, fs::perms::owner_all);
}

TEST_F(UpdateCheckTest, WindowWaitsForTheDownload) {
    download.deferred = true;
    download.answer = GoodNews("Lines=1\r\nline1=x\r\n");
    bool finished = false;
    check.Check(memo, [&] { finished = true; });
    EXPECT_TRUE(check.Downloading());
    EXPECT_FALSE(finished);
    EXPECT_EQ(memo.lines, std::vector<std::string>{LoadingLine()});
    download.pending(DownloadResult::Ok);
    EXPECT_FALSE(check.Downloading());
    EXPECT_TRUE(finished);
    EXPECT_TRUE(check.Found());
}

TEST_F(UpdateCheckTest, ShowingRestartsThePeriodAndForgetsTheFoundVersion) {
    download.answer = GoodNews("Lines=1\r\nline1=x\r\n");
    RunCheck();
    ASSERT_TRUE(check.Found());
    SetupSettings setup;
    setup.UpdateDate = 100;
    const std::vector<std::string> explanation = check.Show(setup);
    EXPECT_EQ(setup.UpdateDate, 46364);
    EXPECT_FALSE(check.Found());
    ASSERT_EQ(explanation.size(), 5u);
    EXPECT_NE(explanation[3].find(W("галочку \"Не проверять в дальнейшем\". Проверить")), std::string::npos);
}

TEST_F(UpdateCheckTest, DownloadOfferOpensTheLinkOfTheNewVersionsPackage) {
    UpdateCheck spaced{{clock, address, download, prompts, shell}, "1.8.1", "https://host.test/my soft"};
    download.answer = "[VersionList]\r\nSignature=Quillor\r\nversions=3\r\nversion1=1.8.1\r\nversion2=1.9\r\n"
                      "version3=2.0\r\n[1.9]\r\nLines=1\r\nline1=x\r\n";
    spaced.Check(memo, [] {});
    ASSERT_TRUE(spaced.Found());
    spaced.OfferDownload();
    EXPECT_EQ(prompts.asked, std::vector<std::string>{"message: " + DownloadOfferMessage()});
    EXPECT_EQ(shell.links, std::vector<std::string>{"https://host.test/my%20soft/mirvane-cdbase_2.0_amd64.deb"})
        << "the list's last version";
}

TEST_F(UpdateCheckTest, ClosingWritesNoUpdatingAndKeepsTheRest) {
    dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", "[Setup]\r\nSortOrder=4\r\nNoUpdating=1\r\n");
    for (const bool ticked : {false, true}) {
        UpdateCheck::Close(ticked, false);
        const TIniFile settings(kSettingsFileName);
        EXPECT_EQ(settings.ReadString("Setup", "NoUpdating", "?"), ticked ? "1" : "0");
        EXPECT_EQ(settings.ReadInteger("Setup", "SortOrder", 0), 4);
    }
}

TEST_F(UpdateCheckTest, ClosingLeavesASettingsFileRefusedAtStartUpAlone) {
    const struct {
        const char* file;
        bool refusedAtStart;
        const char* afterwards;
    } cases[] = {
        {"no sections\r\n", true, "no sections\r\n"},             // still refused: untouched, no report
        {"[Setup]\r\nSortOrder=4\r\n", true, "NoUpdating=1\r\n"}, // mended meanwhile: written
        {nullptr, true, "NoUpdating=1\r\n"},                      // gone meanwhile: a new one
    };
    for (const auto& c : cases) {
        fs::remove(dir.SettingsFile());
        if (c.file) dir.Write("config/mirvane-cdbase/MirvaneCDB.ini", c.file);
        UpdateCheck::Close(true, c.refusedAtStart);
        const std::string after = test::TempDir::Read(dir.SettingsFile());
        EXPECT_NE(after.find(c.afterwards), std::string::npos) << c.afterwards << ": " << after;
    }
}

} // namespace
} // namespace mcb
