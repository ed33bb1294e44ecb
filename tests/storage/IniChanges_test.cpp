// What readers that keep views of the engine's texts rely on: the texts never change under them,
// the engine notes which sections changed, and the save writes the lines exactly as before.
#include "IniFileSupport.h"
#include "storage/MyIniFiles.h"
#include "support/FullDisk.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class IniChanges : public test::IniFileTest {
protected:
    std::string File() const { return Path("c.ini"); }
    std::unique_ptr<TIniFile> Open(const std::string& text) {
        WriteBytes(File(), text);
        return std::make_unique<TIniFile>(File());
    }
};

std::vector<std::string> ChangedSince(const TIniFile& ini, std::uint64_t count) {
    std::vector<std::string> names;
    EXPECT_TRUE(ini.VisitChangesSince(count, [&](std::string_view name) { names.emplace_back(name); }));
    return names;
}

TEST_F(IniChanges, EveryChangeNotesItsSection) {
    auto ini = Open("[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
    EXPECT_EQ(ini->ChangeCount(), 0u);
    EXPECT_TRUE(ChangedSince(*ini, 0).empty());
    ini->WriteString("A", "k", "3");
    ini->WriteString("a", "j", "4"); // the same section in another letter case: one note
    const std::uint64_t afterA = ini->ChangeCount();
    ini->DeleteKey("B", "k");
    ini->EraseSection("C"); // no such section: still a change asked for
    ini->ReadString("A", "k", "");
    EXPECT_EQ(ChangedSince(*ini, 0), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(ChangedSince(*ini, afterA), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(ChangedSince(*ini, ini->ChangeCount()), std::vector<std::string>{});
    ini->WriteString("C", "x", "1");
    EXPECT_EQ(ChangedSince(*ini, afterA), (std::vector<std::string>{"B", "C"}));
}

TEST_F(IniChanges, TooManyChangesAskForEverything) {
    auto ini = Open("[A]\r\nk=1\r\n");
    const std::uint64_t start = ini->ChangeCount();
    for (int n = 0; n < 5000; ++n) ini->WriteString("S" + std::to_string(n), "k", "v");
    bool visited = false;
    EXPECT_FALSE(ini->VisitChangesSince(start, [&](std::string_view) { visited = true; }));
    EXPECT_FALSE(visited);
    const std::uint64_t recent = ini->ChangeCount();
    ini->WriteString("A", "k", "2");
    EXPECT_EQ(ChangedSince(*ini, recent), std::vector<std::string>{"A"});
}

// A change that could not be saved is undone, which is a change of its sections again.
TEST_F(IniChanges, UndoneChangeNotesItsSections) {
    auto ini = Open("[A]\r\nk=1\r\n");
    ini->WriteString("A", "k", "2");
    ASSERT_TRUE(ini->UpdateFile());
    const std::uint64_t saved = ini->ChangeCount();
    test::ErrorRecorder errors;
    {
        test::FullDisk full;
        EXPECT_FALSE(ini->ChangeAndSave([&] {
            ini->WriteString("A", "k", "3");
            ini->WriteString("New", "k", "4");
        }));
    }
    const std::uint64_t undone = ini->ChangeCount();
    EXPECT_GT(undone, saved + 2);
    EXPECT_EQ(ini->ReadString("A", "k", ""), "2");
    EXPECT_EQ(ChangedSince(*ini, saved + 2), (std::vector<std::string>{"A", "New"}));
}

// Values handed out as views keep their text through later changes and beyond the instance.
TEST_F(IniChanges, ViewsOutliveChangesAndTheInstance) {
    auto ini = Open("[A]\r\nk=read\r\n");
    std::vector<std::string_view> seen;
    const auto collect = [&] {
        ini->VisitLines("A", [&](std::string_view, std::string_view v) { seen.push_back(v); });
    };
    collect();
    for (int n = 0; n < 200; ++n) ini->WriteString("A", "k", "value number " + std::to_string(n));
    collect();
    ini->DeleteKey("A", "k");
    ini->EraseSection("A");
    const std::shared_ptr<const void> texts = ini->Texts();
    ini.reset();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "read");
    EXPECT_EQ(seen[1], "value number 199");
}

// Lines that lie one after another in the file are written as one piece; anything between them,
// a changed or a deleted line keeps the pieces apart, with the same result as line by line.
TEST_F(IniChanges, SaveWritesTheLinesAsBefore) {
    struct Case {
        const char* what;
        std::string file;
        std::function<void(TIniFile&)> change;
        std::string saved;
    } cases[] = {
        {"untouched lines", "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nc=3\r\n",
         [](TIniFile& i) { i.WriteString("B", "d", "4"); }, "[A]\r\na=1\r\nb=2\r\n\r\n[B]\r\nc=3\r\nd=4\r\n\r\n"},
        {"changed line in the middle", "[A]\r\na=1\r\nb=2\r\nc=3\r\n",
         [](TIniFile& i) { i.WriteString("A", "b", "x"); }, "[A]\r\na=1\r\nb=x\r\nc=3\r\n\r\n"},
        {"deleted line", "[A]\r\na=1\r\nb=2\r\nc=3\r\n", [](TIniFile& i) { i.DeleteKey("A", "b"); },
         "[A]\r\na=1\r\nc=3\r\n\r\n"},
        {"blanks, comments, LF and CR", "[A]\r\na=1 \r\n;x\r\nb=2\nc=3\r\r\nd=4\r\n\r\ne=5",
         [](TIniFile& i) { i.WriteString("A", "f", "6"); }, "[A]\r\na=1\r\nb=2\r\nc=3\r\nd=4\r\ne=5\r\nf=6\r\n\r\n"},
        {"erased section between", "[A]\r\na=1\r\n[B]\r\nb=2\r\n[C]\r\nc=3\r\n",
         [](TIniFile& i) { i.EraseSection("B"); }, "[A]\r\na=1\r\n\r\n[C]\r\nc=3\r\n\r\n"},
    };
    for (const Case& c : cases) {
        auto ini = Open(c.file);
        c.change(*ini);
        ASSERT_TRUE(ini->UpdateFile()) << c.what;
        EXPECT_EQ(ReadBytes(File()), c.saved) << c.what;
    }
}

} // namespace
} // namespace mcb
