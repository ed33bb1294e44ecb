#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

namespace mcb {

CommonCounters ReadCommonCounters(const TIniFile& catalogue) {
    CommonCounters c;
    c.lastCdid = ParseDiscId(catalogue.ReadString("Common", "LastCDID", "00000"));
    c.genres = catalogue.ReadInteger("Common", "Genres", -1);
    c.countries = catalogue.ReadInteger("Common", "Countries", -1);
    c.company = catalogue.ReadInteger("Common", "Company", -1);
    c.contacts = catalogue.ReadInteger("Common", "Contacts", -1);
    return c;
}

} // namespace mcb
