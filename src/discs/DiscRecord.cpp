#include "discs/DiscRecord.h"

#include "storage/CatalogueFormat.h"
#include "storage/Description.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

namespace {

constexpr int kNoCarrier = -1024;

void ReadCarrier(const TIniFile& catalogue, const std::string& id, DiscRecord& record) {
    record.medium = CarrierMedium(catalogue.ReadInteger(id, "Car", kNoCarrier));
    // Read again with its own default: a missing key shows one carrier.
    record.count = std::clamp(CarrierCount(catalogue.ReadInteger(id, "Car", 1)), 1, 9);
}

} // namespace

DiscRecord ReadDiscRecord(const TIniFile& catalogue, const std::string& id, const std::string& baseDir) {
    DiscRecord r;
    r.nam = catalogue.ReadString(id, "Nam", "");
    r.nam2 = catalogue.ReadString(id, "Nam2", "");
    r.gen = catalogue.ReadString(id, "Gen", "-1");
    r.aud = catalogue.ReadInteger(id, "Aud", -1);
    r.rol = catalogue.ReadString(id, "Rol", "");
    r.cou = catalogue.ReadString(id, "Cou", "-1");
    r.lon = std::clamp(catalogue.ReadInteger(id, "Lon", 0), 0, 999);
    ReadCarrier(catalogue, id, r);
    r.description = ReadDescription(catalogue, id);
    r.pictures[0] = DecodePicturePath(catalogue.ReadString(id, "Img1", ""), baseDir);
    r.pictures[1] = DecodePicturePath(catalogue.ReadString(id, "Img2", ""), baseDir);
    r.oth = catalogue.ReadString(id, "Oth", "-1");
    r.comp = catalogue.ReadString(id, "Comp", "-1");
    r.dir = catalogue.ReadString(id, "Dir", "");
    r.year = catalogue.ReadString(id, "Year", "");
    return r;
}

void WriteDiscRecord(TIniFile& catalogue, const std::string& id, const DiscRecord& r, const std::string& baseDir,
                     std::optional<int> entryDay) {
    catalogue.WriteString(id, "Nam", r.nam);
    catalogue.WriteString(id, "Nam2", r.nam2);
    catalogue.WriteString(id, "Gen", r.gen);
    catalogue.WriteInteger(id, "Aud", r.aud);
    catalogue.WriteString(id, "Rol", r.rol);
    catalogue.WriteString(id, "Cou", r.cou);
    catalogue.WriteInteger(id, "Lon", r.lon);
    catalogue.WriteInteger(id, "Car", PackCarrier(r.medium, r.count));
    if (entryDay) {
        catalogue.WriteInteger(id, "Ent", *entryDay);
        catalogue.WriteInteger(id, "Giv", 0);
        catalogue.WriteString(id, "Gin", "-1");
    }
    WriteDescription(catalogue, id, r.description);
    catalogue.WriteString(id, "Img1", EncodePicturePath(r.pictures[0], baseDir));
    catalogue.WriteString(id, "Img2", EncodePicturePath(r.pictures[1], baseDir));
    catalogue.WriteString(id, "Oth", r.oth);
    catalogue.WriteString(id, "Comp", r.comp);
    catalogue.WriteString(id, "Dir", r.dir);
    catalogue.WriteString(id, "Year", r.year);
}

} // namespace mcb
