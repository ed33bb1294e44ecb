// The user's preferences kept in the settings file "MirvaneCDB.ini" between runs: every key with
// its default, read at start-up and written back at close in a fixed order.
#pragma once

#include "storage/UserText.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// Plain name of the settings file; the engine places it in the settings directory.
inline constexpr const char* kSettingsFileName = "MirvaneCDB.ini";

// Section Filter. Index lists are indices separated by single blanks; "" or "-1" = no restriction.
struct FilterCriteria {
    bool Nalichie = true;
    bool Otdacha = true;
    std::string OtdaList;
    std::string Nazva;
    bool SubNazva = true;
    std::string Genree;
    std::array<bool, 4> Au{true, true, true, true};
    std::string CountList;
    std::string Company;
    int hozi = 0;
};

// Section Setup.
struct SetupSettings {
    bool EmptyInclude = true;
    int Truncate = 0;
    int SortOrder = 1;
    bool ShowNewCD = true;
    int NewCDdays = 15;
    bool Magazine = true;
    bool MagazTrunc = true;
    int MagazLines = 1000;
    int MagazEvents = 31;
    bool DolgReminder = false;
    int DolgDays = 15;
    bool BackUpBase = true;
    bool PictureCopy = true;
    int UpdateDate = 0; // day number; today when the key is missing
    bool DolgColor = true;
    bool NoUpdating = false;

    bool operator==(const SetupSettings&) const = default;
};

// Section WindowState. MainState: 0 minimized, 1 normal, 2 maximized; a size of 0 keeps the
// designed size.
struct WindowSettings {
    int MainState = 1;
    int MainWidth = 0;
    int MainHeight = 0;
    int SplitterPos = 180;
    int DictWidth = 0;
    int DictHeight = 0;
    int EditWidth = 0;
    int EditHeight = 0;
    int MagazWidth = 0;
    int MagazHeight = 0;
};

// Section Printer, owned by the print window. Colours are 24-bit values, red in the lowest byte.
struct PrinterSettings {
    bool PrintFilter = true;
    bool PrintSeparator = true;
    bool PrintInfo = true;
    bool PrintPageNums = true;
    std::string Font = "Microsoft Sans Serif";
    int FontSize = 10;
    bool EnabledColorPrint = false;
    bool EnabledNewColor = true;
    bool EnabledInfoColor = true;
    bool EnabledBackColor = true;
    int BackColor = 14211288;
    int NewColor = 65280;
    int InfoColor = 16383;
};

struct Settings {
    std::string BaseName;
    // The same path in a form that keeps every character, written only when BaseName cannot hold
    // the path (see RememberCatalogue); empty otherwise.
    std::string BaseNameUtf8;
    WindowSettings window;
    // Column widths: 0 = built-in width, negative = hidden column with that width before hiding.
    std::array<int, 12> mainTableWidths{};
    FilterCriteria filter;
    SetupSettings setup;
    PrinterSettings printer;
};

// Every key with its default; a missing or malformed value reads as the default. UpdateDate
// defaults to today (a day number).
Settings ReadSettings(const TIniFile& ini, int today);

// What the main window owns, in its closing order: Base, MainTable, WindowState (the main size only
// in the normal state), Filter, Setup without NoUpdating; Printer is not among them. Each key with
// the text written for it, or nothing for a key that is deleted.
struct ClosingKey {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};
std::vector<ClosingKey> ClosingKeys(const Settings& s);
void WriteClosingKey(TIniFile& ini, const ClosingKey& key);

// Writes every closing key.
void WriteSettings(TIniFile& ini, const Settings& s);

// Writes into the settings file as it is now only what the run changed: the closing keys of `mine`
// that differ from `atStart` (the settings as read at start-up), and those the file lacks. Every
// other key keeps what the file holds, so that a change somebody else made to the file meanwhile is
// kept. A key that both changed differently is written only when `overwriteTheirs` (asked once at
// most) says so. `today` stands in for a missing UpdateDate, as at start-up.
void MergeSettings(TIniFile& ini, const Settings& atStart, const Settings& mine, int today,
                   const std::function<bool()>& overwriteTheirs);

FilterCriteria ReadFilter(const TIniFile& ini);
void WriteFilter(TIniFile& ini, const FilterCriteria& f);

PrinterSettings ReadPrinterSettings(const TIniFile& ini);
void WritePrinterSettings(TIniFile& ini, const PrinterSettings& p);

// Column widths of the contacts grid of the reference-list window (section DictTable, Width0..2);
// a missing width is the grid width divided by 3.
std::array<int, 3> ReadDictTableWidths(const TIniFile& ini, int gridWidth);
void WriteDictTableWidths(TIniFile& ini, const std::array<int, 3>& widths);

// Column widths 1..4 of the debtors grid (section DolgTable, Width1..Width4); a missing width is
// the grid width divided by 4, minus 4. Element 0 is column 1.
std::array<int, 4> ReadDolgTableWidths(const TIniFile& ini, int gridWidth);
void WriteDolgTableWidths(TIniFile& ini, const std::array<int, 4>& widths);

// Why a settings file cannot be used, naming it: it exists but could not be read, or holds no
// section. Such a file is never written over, so nothing set during the run would be kept.
std::optional<UserText> SettingsRefusal(const TIniFile& file);

} // namespace mcb
