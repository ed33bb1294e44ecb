// The key/value engine on arbitrary bytes: load them as a file, read every key, apply a script of
// changes, save, reload and compare. The input is the file, a NUL byte, then the change script.
#include "FuzzFiles.h"
#include "storage/Cp1251.h"
#include "storage/ErrorReport.h"
#include "storage/IniStore.h"
#include "storage/IniText.h"
#include "storage/MyIniFiles.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using mcb::TIniFile;
using mcb::fuzz::Fail;

using Lines = std::vector<std::pair<std::string, std::string>>;
using Snapshot = std::vector<std::pair<std::string, Lines>>;

// What a reader of the store sees: every section name that leads to at least one key, with the keys
// and values found under it. Names equal but for letter case lead to the same section, so only the
// first is kept.
Snapshot Visible(const TIniFile& ini) {
    Snapshot seen;
    for (const std::string& name : ini.SectionNames()) {
        const bool known = std::any_of(seen.begin(), seen.end(),
                                       [&](const auto& entry) { return mcb::EqualsUpper(entry.first, name); });
        if (known) continue;
        Lines lines;
        for (const std::string& key : ini.KeyNames(name)) {
            lines.emplace_back(key, ini.ReadString(name, key, "<missing>"));
            ini.ReadInteger(name, key, 0);
        }
        if (!lines.empty()) seen.emplace_back(name, std::move(lines));
    }
    return seen;
}

bool Drop(char c) {
    return c == '\r' || c == '\n';
}

// Texts the engine's callers may hand it: no line breaks anywhere, nothing the line trimming would
// take off, and keys that cannot be read back as a comment, a section or another key.
std::string Text(FuzzedDataProvider& in, std::size_t maxLength) {
    std::string text = in.ConsumeRandomLengthString(maxLength);
    text.erase(std::remove_if(text.begin(), text.end(), Drop), text.end());
    return text;
}

std::string Value(FuzzedDataProvider& in) {
    std::string value = Text(in, 24);
    return std::string(mcb::TrimControl("x" + value).substr(1));
}

// A hand-edited file may hold keys that no caller would write, such as the empty one of "=x".
bool Writable(const std::string& key) {
    return !key.empty() && key.find('=') == std::string::npos && mcb::TrimControl(key) == key && key.front() != ';' &&
           key.front() != '[';
}

std::string Key(FuzzedDataProvider& in) {
    std::string key = Text(in, 12);
    key.erase(std::remove(key.begin(), key.end(), '='), key.end());
    key = std::string(mcb::TrimControl(key));
    return Writable(key) ? key : "k" + key;
}

// An existing section most of the time (in another letter case now and then), else a new one.
std::string Section(FuzzedDataProvider& in, const TIniFile& ini) {
    const std::vector<std::string> names = ini.SectionNames();
    if (!names.empty() && in.ConsumeBool()) {
        std::string name = names[in.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
        return in.ConsumeBool() ? mcb::UpperCase(name) : name;
    }
    std::string name = Text(in, 12);
    return name.empty() ? "s" : name;
}

std::string ExistingOrNewKey(FuzzedDataProvider& in, const TIniFile& ini, const std::string& section) {
    std::vector<std::string> keys = ini.KeyNames(section);
    keys.erase(std::remove_if(keys.begin(), keys.end(), [](const std::string& key) { return !Writable(key); }),
               keys.end());
    if (!keys.empty() && in.ConsumeBool()) return keys[in.ConsumeIntegralInRange<std::size_t>(0, keys.size() - 1)];
    return Key(in);
}

void Change(FuzzedDataProvider& in, TIniFile& ini) {
    const std::string section = Section(in, ini);
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        const std::string key = ExistingOrNewKey(in, ini, section);
        ini.WriteString(section, key, Value(in));
        break;
    }
    case 1: {
        const std::string key = ExistingOrNewKey(in, ini, section);
        ini.WriteInteger(section, key, in.ConsumeIntegral<int>());
        break;
    }
    case 2:
        ini.DeleteKey(section, ExistingOrNewKey(in, ini, section));
        break;
    default:
        ini.EraseSection(section);
    }
}

// Every key read before the save reads the same after it. Sections that hold no key are not saved,
// so a later section of the same name may come to light; nothing else may appear.
void CompareAfterReload(const Snapshot& before, const std::vector<std::string>& namesBefore, const TIniFile& ini) {
    for (const auto& [name, lines] : before) {
        const std::vector<std::string> keys = ini.KeyNames(name);
        if (keys.size() != lines.size()) Fail("a section lost or gained keys in the save");
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] != lines[i].first || ini.ReadString(name, keys[i], "<missing>") != lines[i].second)
                Fail("a key or value changed in the save");
    }
    for (const std::string& name : ini.SectionNames())
        if (std::find(namesBefore.begin(), namesBefore.end(), name) == namesBefore.end())
            Fail("the save made up a section");
}

// A saved file read and written again gives the same text, once the sections that held only deleted
// keys have gone.
void CheckTextIsStable(const std::string& saved) {
    auto format = [](const std::string& text) {
        mcb::IniStore store(text);
        mcb::ParseIniText(store);
        return mcb::FormatIniText(store, "");
    };
    const std::string once = format(saved);
    if (format(once) != once) Fail("the file text changes on every save");
}

// What the engine reported last; a report is a failure only where the save was expected to work.
std::string lastReport;

// A non-blank file without any section is not taken for a catalogue: whatever changes are made in
// memory, the file must stay as it was.
void CheckForeignFileIsKept(TIniFile& ini, FuzzedDataProvider& script, const std::string& path,
                            std::string_view original) {
    for (int step = 0; step < 64 && script.remaining_bytes() > 0; ++step) Change(script, ini);
    ini.UpdateFile();
    if (mcb::fuzz::ReadFile(path) != original) Fail("a file without sections was written over");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mcb::fuzz::ScratchDir();
    mcb::SetErrorReporter([](const mcb::UserText& message) { lastReport = message.Utf8(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts = mcb::fuzz::SplitInput(data, size, 2);
    const std::string path = mcb::fuzz::ScratchDir() + "/engine.ini";
    mcb::fuzz::WriteFile(path, parts[0]);

    Snapshot before;
    std::vector<std::string> namesBefore;
    {
        TIniFile ini(path);
        Visible(ini);
        FuzzedDataProvider script(reinterpret_cast<const std::uint8_t*>(parts[1].data()), parts[1].size());
        if (ini.WithoutSections()) {
            CheckForeignFileIsKept(ini, script, path, parts[0]);
            return 0;
        }
        for (int step = 0; step < 64 && script.remaining_bytes() > 0; ++step) Change(script, ini);
        before = Visible(ini);
        namesBefore = ini.SectionNames();
        if (!ini.UpdateFile()) Fail(("the save failed: " + lastReport).c_str());
    }
    const TIniFile reloaded(path);
    CompareAfterReload(before, namesBefore, reloaded);
    CheckTextIsStable(mcb::fuzz::ReadFile(path));
    return 0;
}
