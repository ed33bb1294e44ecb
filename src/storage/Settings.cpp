#include "storage/Settings.h"

#include "storage/KeyBinding.h"
#include "storage/MyIniFiles.h"

namespace mcb {

namespace {

std::vector<KeyBinding> FilterKeys(FilterCriteria& f) {
    return {{"Nalichie", &f.Nalichie}, {"Otdacha", &f.Otdacha}, {"OtdaList", &f.OtdaList},   {"Nazva", &f.Nazva},
            {"SubNazva", &f.SubNazva}, {"Genree", &f.Genree},   {"Au0", &f.Au[0]},           {"Au1", &f.Au[1]},
            {"Au2", &f.Au[2]},         {"Au3", &f.Au[3]},       {"CountList", &f.CountList}, {"Company", &f.Company},
            {"hozi", &f.hozi}};
}

// In the order of writing; NoUpdating is written only by the update check window.
std::vector<KeyBinding> SetupKeys(SetupSettings& s) {
    return {{"EmptyInclude", &s.EmptyInclude}, {"Truncate", &s.Truncate},     {"SortOrder", &s.SortOrder},
            {"ShowNewCD", &s.ShowNewCD},       {"NewCDdays", &s.NewCDdays},   {"Magazine", &s.Magazine},
            {"MagazTrunc", &s.MagazTrunc},     {"MagazLines", &s.MagazLines}, {"MagazEvents", &s.MagazEvents},
            {"DolgReminder", &s.DolgReminder}, {"DolgDays", &s.DolgDays},     {"BackUpBase", &s.BackUpBase},
            {"PictureCopy", &s.PictureCopy},   {"UpdateDate", &s.UpdateDate}, {"DolgColor", &s.DolgColor}};
}

std::vector<KeyBinding> MainSizeKeys(WindowSettings& w) {
    return {{"MainWidth", &w.MainWidth}, {"MainHeight", &w.MainHeight}};
}

std::vector<KeyBinding> OtherWindowKeys(WindowSettings& w) {
    return {{"SplitterPos", &w.SplitterPos}, {"DictWidth", &w.DictWidth},   {"DictHeight", &w.DictHeight},
            {"EditWidth", &w.EditWidth},     {"EditHeight", &w.EditHeight}, {"MagazWidth", &w.MagazWidth},
            {"MagazHeight", &w.MagazHeight}};
}

std::vector<KeyBinding> WidthKeys(std::array<int, 12>& widths) {
    std::vector<KeyBinding> keys;
    for (size_t i = 0; i < widths.size(); ++i) keys.push_back({"Width" + std::to_string(i), &widths[i]});
    return keys;
}

} // namespace

Settings ReadSettings(const TIniFile& ini, int today) {
    Settings s;
    s.BaseName = ini.ReadString("Base", "BaseName", "");
    s.BaseNameUtf8 = ini.ReadString("Base", "BaseNameUtf8", "");
    ReadKeys(ini, "WindowState", {{"MainState", &s.window.MainState}});
    ReadKeys(ini, "WindowState", MainSizeKeys(s.window));
    ReadKeys(ini, "WindowState", OtherWindowKeys(s.window));
    ReadKeys(ini, "MainTable", WidthKeys(s.mainTableWidths));
    s.filter = ReadFilter(ini);
    s.setup.UpdateDate = today;
    ReadKeys(ini, "Setup", SetupKeys(s.setup));
    s.setup.NoUpdating = ini.ReadBool("Setup", "NoUpdating", s.setup.NoUpdating);
    s.printer = ReadPrinterSettings(ini);
    return s;
}

namespace {

void AddKeys(std::vector<ClosingKey>& keys, const std::string& section, const std::vector<KeyBinding>& bindings) {
    for (const KeyBinding& binding : bindings) keys.push_back({section, binding.key, KeyText(binding)});
}

} // namespace

std::vector<ClosingKey> ClosingKeys(const Settings& settings) {
    Settings s = settings; // the key bindings point into a record of their own
    std::vector<ClosingKey> keys{{"Base", "BaseName", s.BaseName}};
    keys.push_back({"Base", "BaseNameUtf8", s.BaseNameUtf8.empty() ? std::nullopt : std::optional(s.BaseNameUtf8)});
    AddKeys(keys, "MainTable", WidthKeys(s.mainTableWidths));
    AddKeys(keys, "WindowState", {{"MainState", &s.window.MainState}});
    if (s.window.MainState == 1) AddKeys(keys, "WindowState", MainSizeKeys(s.window));
    AddKeys(keys, "WindowState", OtherWindowKeys(s.window));
    AddKeys(keys, "Filter", FilterKeys(s.filter));
    AddKeys(keys, "Setup", SetupKeys(s.setup));
    return keys;
}

void WriteClosingKey(TIniFile& ini, const ClosingKey& key) {
    if (key.value)
        ini.WriteString(key.section, key.key, *key.value);
    else
        ini.DeleteKey(key.section, key.key);
}

void WriteSettings(TIniFile& ini, const Settings& settings) {
    for (const ClosingKey& key : ClosingKeys(settings)) WriteClosingKey(ini, key);
}

FilterCriteria ReadFilter(const TIniFile& ini) {
    FilterCriteria f;
    ReadKeys(ini, "Filter", FilterKeys(f));
    return f;
}

void WriteFilter(TIniFile& ini, const FilterCriteria& filter) {
    FilterCriteria f = filter;
    WriteKeys(ini, "Filter", FilterKeys(f));
}

} // namespace mcb
