#include "demo/DemoCatalogue.h"

#include "demo/DemoData.h"
#include "storage/CatalogueFormat.h"
#include "storage/DayNumber.h"
#include "storage/Description.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <filesystem>

namespace mcb::demo {

namespace {

// Entries are added the way the reference-list editor adds them: counter first, then the name.
void WriteList(TIniFile& ini, const char* section, std::span<const char* const> names) {
    for (size_t i = 0; i < names.size(); ++i) {
        ini.WriteInteger("Common", section, static_cast<int>(i));
        ini.WriteString(section, std::to_string(i), W(names[i]));
    }
}

void WriteContacts(TIniFile& ini) {
    const auto contacts = DemoContacts();
    for (size_t i = 0; i < contacts.size(); ++i) {
        const std::string index = std::to_string(i);
        ini.WriteInteger("Common", "Contacts", static_cast<int>(i));
        ini.WriteString("Contacts", index, W(contacts[i].name));
        ini.WriteString("Contacts", index + "_mail", contacts[i].mail);
        ini.WriteString("Contacts", index + "_phone", contacts[i].phone);
    }
}

// Every key in the order the disc editor creates them.
void WriteDisc(TIniFile& ini, const std::string& id, const DemoDisc& d, const std::string& baseDir) {
    const int today = DemoToday();
    const auto picture = [&](const char* file) { return EncodePicturePath(*file ? baseDir + file : "", baseDir); };
    ini.WriteString(id, "Nam", W(d.title));
    ini.WriteString(id, "Nam2", W(d.secondTitle));
    ini.WriteInteger(id, "Gen", d.genre);
    ini.WriteInteger(id, "Aud", d.audience);
    ini.WriteString(id, "Rol", W(d.actors));
    ini.WriteInteger(id, "Cou", d.country);
    ini.WriteInteger(id, "Lon", d.minutes);
    ini.WriteInteger(id, "Car", PackCarrier(d.medium, d.count));
    ini.WriteInteger(id, "Ent", today - d.enteredAgo);
    ini.WriteInteger(id, "Giv", d.lentAgo < 0 ? 0 : today - d.lentAgo);
    ini.WriteInteger(id, "Gin", d.debtor);
    WriteDescription(ini, id, W(d.description));
    ini.WriteString(id, "Img1", picture(d.cover));
    ini.WriteString(id, "Img2", picture(""));
    ini.WriteInteger(id, "Oth", d.owner);
    ini.WriteInteger(id, "Comp", d.company);
    ini.WriteString(id, "Dir", W(d.director));
    ini.WriteString(id, "Year", d.year);
}

} // namespace

int DemoToday() {
    return DayNumber(2026, 12, 8);
}

bool WriteDemoCatalogue(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored); // built from scratch, not merged into an older file
    const std::string baseDir = std::filesystem::absolute(path).parent_path().string() + "/";
    TIniFile ini(path);
    ini.SetFileHeader(CatalogueFileHeader());
    ini.WriteString("Common", "LastCDID", DiscIdText(0));
    WriteList(ini, "Genres", DemoGenres());
    WriteList(ini, "Countries", DemoCountries());
    WriteList(ini, "Company", DemoCompanies());
    WriteContacts(ini);
    long long id = 0;
    for (const DemoDisc& disc : DemoDiscs()) {
        ini.WriteString("Common", "LastCDID", DiscIdText(++id));
        if (disc.title) WriteDisc(ini, DiscIdText(id), disc, baseDir);
    }
    return ini.UpdateFile();
}

} // namespace mcb::demo
