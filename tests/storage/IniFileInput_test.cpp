// Damaged or hostile files, and randomized checks of the engine against a plain model of its rules.
#include "IniFileSupport.h"
#include "storage/Cp1251.h"
#include "storage/IniText.h"
#include "storage/MyIniFiles.h"

#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace mcb {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// The engine's rules written as plain linear scans, to compare the indexed engine against.
class Model {
public:
    // A section as read from a file, duplicates included.
    void Append(const std::string& section, const std::vector<std::string>& lines) {
        sections_.push_back(Section{section, lines});
    }
    std::string Read(const std::string& section, const std::string& key) const {
        const Section* s = Find(section);
        const std::string* line = s ? FindLine(*s, key) : nullptr;
        return line ? line->substr(line->find('=') + 1) : "<none>";
    }
    void Write(const std::string& section, const std::string& key, const std::string& value) {
        Section* s = Find(section);
        if (!s) s = &sections_.emplace_back(Section{section, {}});
        if (std::string* line = FindLine(*s, key))
            *line = line->substr(0, line->find('=') + 1) + value;
        else
            s->lines.push_back(key + "=" + value);
    }
    void Erase(const std::string& section) {
        if (Section* s = Find(section)) *s = Section{};
    }
    void Delete(const std::string& section, const std::string& key) {
        Section* s = Find(section);
        if (std::string* line = s ? FindLine(*s, key) : nullptr) line->clear();
    }
    std::string Format() const {
        std::string text;
        for (const Section& s : sections_) {
            if (s.name.empty() || s.lines.empty()) continue;
            text += "[" + s.name + "]\r\n";
            for (const std::string& line : s.lines)
                if (!line.empty()) text += line + "\r\n";
            text += "\r\n";
        }
        return text;
    }

private:
    struct Section {
        std::string name;
        std::vector<std::string> lines;
    };
    const Section* Find(const std::string& name) const {
        for (const Section& s : sections_)
            if (!s.name.empty() && EqualsUpper(s.name, name)) return &s;
        return nullptr;
    }
    Section* Find(const std::string& name) { return const_cast<Section*>(std::as_const(*this).Find(name)); }
    static const std::string* FindLine(const Section& s, const std::string& key) {
        for (const std::string& line : s.lines)
            if (!line.empty() && EqualsUpper(line.substr(0, line.find('=')), key)) return &line;
        return nullptr;
    }
    static std::string* FindLine(Section& s, const std::string& key) {
        return const_cast<std::string*>(FindLine(std::as_const(s), key));
    }
    std::vector<Section> sections_;
};

class IniFileInput : public test::IniFileTest {};

// Enough keys for the long-section index, with letter-case twins and Cyrillic names.
struct Pools {
    std::vector<std::string> sections = {"A", "a", "B", "\xD0\xE0\xE7\xE4\xE5\xEB", "\xF0\xE0\xE7\xE4\xE5\xEB", " b "};
    std::vector<std::string> keys;
    Pools() {
        for (int i = 0; i < 40; ++i) keys.push_back((i % 2 ? "k" : "K") + std::to_string(i % 30));
        keys.push_back("\xCA\xEB\xFE\xF7");
        keys.push_back("\xEA\xEB\xFE\xF7");
    }
};

std::string RandomValue(std::mt19937& random) {
    static const std::string alphabet = "ab =;[]\xDF\xFF\x01";
    std::string value(std::uniform_int_distribution<int>(0, 6)(random), 'x');
    for (char& c : value) c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    if (!value.empty() && static_cast<unsigned char>(value.back()) <= 32) value.back() = 'z'; // would be trimmed
    return value;
}

TEST_F(IniFileInput, RandomChangesMatchThePlainModelAndSurviveReloading) {
    const Pools pools;
    std::mt19937 random(2024);
    const auto pick = [&](const std::vector<std::string>& pool) {
        return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
    };
    for (int round = 0; round < 6; ++round) {
        // Start from a file with duplicate sections and keys, some sections long enough for the index.
        const std::string file = Path("r" + std::to_string(round) + ".ini");
        Model model;
        std::string text;
        for (int n = std::uniform_int_distribution<int>(0, 8)(random); n > 0; --n) {
            const std::string section = pick(pools.sections);
            std::vector<std::string> lines(std::uniform_int_distribution<std::size_t>(0, 100)(random));
            text += "[" + section + "]\r\n";
            for (std::string& line : lines) text += (line = pick(pools.keys) + "=" + RandomValue(random)) + "\r\n";
            model.Append(section, lines);
        }
        WriteBytes(file, text);
        TIniFile ini(file);
        for (int step = 0; step < 1500; ++step) {
            const std::string section = pick(pools.sections), key = pick(pools.keys);
            const int action = std::uniform_int_distribution<int>(0, 99)(random);
            if (action < 60) {
                const std::string value = RandomValue(random);
                ini.WriteString(section, key, value);
                model.Write(section, key, value);
            } else if (action < 90) {
                ini.DeleteKey(section, key);
                model.Delete(section, key);
            } else {
                ini.EraseSection(section);
                model.Erase(section);
            }
            const std::string probeSection = pick(pools.sections), probeKey = pick(pools.keys);
            ASSERT_EQ(ini.ReadString(probeSection, probeKey, "<none>"), model.Read(probeSection, probeKey))
                << "round " << round << " step " << step;
        }
        ASSERT_TRUE(ini.UpdateFile());
        ASSERT_EQ(ReadBytes(file), model.Format()) << "round " << round;
        TIniFile reloaded(file);
        EXPECT_EQ(reloaded.SectionNames(), ini.SectionNames());
        for (const std::string& section : pools.sections) {
            EXPECT_EQ(reloaded.KeyNames(section), ini.KeyNames(section));
            for (const std::string& key : pools.keys)
                EXPECT_EQ(reloaded.ReadString(section, key, "<none>"), ini.ReadString(section, key, "<none>"));
        }
    }
}

TEST(IniTextRandom, WritingWhatWasReadIsStable) {
    static const std::string alphabet = std::string("\0\r\n \t[]=;aA\xE0\xC0", 14);
    std::mt19937 random(99);
    for (int round = 0; round < 400; ++round) {
        std::string text(std::uniform_int_distribution<int>(0, 200)(random), ' ');
        for (char& c : text) c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        IniStore first(text);
        ParseIniText(first);
        const std::string written = FormatIniText(first, "");
        IniStore second(written);
        ParseIniText(second);
        ASSERT_EQ(FormatIniText(second, ""), written) << "round " << round;
    }
}

std::string Repeated(const std::string& block, int times) {
    std::string text;
    text.reserve(block.size() * std::size_t(times));
    for (int i = 0; i < times; ++i) text += block;
    return text;
}

TEST_F(IniFileInput, DamagedFilesLoadWithoutHarm) {
    std::mt19937 random(5);
    const auto garbage = [&](std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        return bytes;
    };
    const std::string longValue(1 << 20, 'x');
    struct Case {
        const char* name;
        std::string content;
        std::size_t sections;
        std::string valueOfAk; // "<none>" when missing
    } cases[] = {
        {"one long line", "[A]\r\nk=" + longValue, 1, longValue},
        {"NUL bytes", std::string("[A]\0\r\nk=\0v\0\r\n[\0]\r\n", 17), 2, std::string("\0v", 2)},
        {"only CRs", std::string(1 << 20, '\r'), 0, "<none>"},
        {"binary garbage", garbage(1 << 20), std::size_t(-1), ""},
        {"50 MB", "[A]\r\nk=v\r\n" + Repeated(garbage(1 << 20), 50), std::size_t(-1), "v"},
    };
    for (const auto& c : cases) {
        WriteBytes(Path("d.ini"), c.content);
        TIniFile ini(Path("d.ini"));
        if (c.sections != std::size_t(-1)) {
            EXPECT_EQ(ini.SectionNames().size(), c.sections) << c.name;
        }
        if (!c.valueOfAk.empty()) {
            EXPECT_EQ(ini.ReadString("A", "k", "<none>"), c.valueOfAk) << c.name;
        }
    }
}

TEST_F(IniFileInput, ThingsThatAreNotFilesGiveAnEmptyStore) {
    ASSERT_EQ(::mkdir(Path("folder.ini").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(Path("pipe.ini").c_str(), 0644), 0);
    for (const char* name : {"folder.ini", "pipe.ini", "missing.ini"}) {
        TIniFile ini(Path(name));
        EXPECT_TRUE(ini.SectionNames().empty()) << name;
    }
}

TEST_F(IniFileInput, HugeNumbersOfDuplicatesStayCheap) {
    const int n = 200000;
    std::string text;
    for (int i = 0; i < n; ++i) text += "[S]\r\nk=" + std::to_string(i) + "\r\n";
    text += "[L]\r\n";
    for (int i = 0; i < n; ++i) text += "k=" + std::to_string(i) + "\r\n";
    WriteBytes(Path("dup.ini"), text);
    TIniFile ini(Path("dup.ini"));
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(ini.ReadString("s", "K", ""), std::to_string(i));
        ASSERT_EQ(ini.ReadString("l", "K", ""), std::to_string(i));
        ini.EraseSection("S");
        ini.DeleteKey("L", "k");
    }
    EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"L"});
    EXPECT_TRUE(ini.KeyNames("L").empty());
}

} // namespace
} // namespace mcb
