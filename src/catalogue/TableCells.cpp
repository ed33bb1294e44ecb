#include "catalogue/TableCells.h"

#include "storage/CatalogueFormat.h"
#include "storage/DecimalInt.h"
#include "storage/Literal.h"

#include <array>

namespace mcb {

std::string AudienceName(const std::string& aud) {
    static const std::array<std::string, 4> names = {W("Детский"), W("Молодежный"), W("Семейный"),
                                                     W("Только для взрослых")};
    if (aud.size() != 1 || aud[0] < '0' || aud[0] > '3') return std::string();
    return names[aud[0] - '0'];
}

namespace {
constexpr int kNoCarrier = -1024;
}

std::string CarrierText(const std::string& car, const TableLayout& layout) {
    const auto value = ParseDecimalInt(car);
    if (!value || *value == kNoCarrier) return std::string(); // any spelling of "-1024" means no medium
    const int medium = CarrierMedium(*value);
    const bool known = medium >= 0 && medium < int(layout.media.size());
    return (known ? layout.media[medium] : std::string()) + ' ' + std::to_string(CarrierCount(*value));
}

TableRow MakeTableRow(ListNames& names, const std::string& discId, DiscValues&& disc, std::string&& title,
                      const TableLayout& layout) {
    TableRow row;
    auto& c = row.cells;
    c[0] = discId;
    c[1] = std::move(title);
    c[2] = std::move(disc.Nam2);
    c[3] = names.genres.Name(disc.Gen);
    c[4] = AudienceName(disc.Aud);
    c[5] = std::move(disc.Rol);
    c[6] = std::move(disc.Dir);
    c[7] = names.countries.Name(disc.Cou);
    c[8] = names.companies.Name(disc.Comp);
    c[9] = std::move(disc.Year);
    if (disc.Lon != "0") c[10] = std::move(disc.Lon);
    c[11] = CarrierText(disc.Car, layout);
    row.ent = std::move(disc.Ent);
    row.giv = std::move(disc.Giv);
    row.gin = std::move(disc.Gin);
    row.oth = std::move(disc.Oth);
    return row;
}

} // namespace mcb
