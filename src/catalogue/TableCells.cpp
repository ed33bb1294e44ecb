#include "catalogue/TableCells.h"

#include "storage/CatalogueFormat.h"
#include "storage/DecimalInt.h"
#include "storage/Literal.h"

#include <array>

namespace mcb {

std::string AudienceName(std::string_view aud) {
    static const std::array<std::string, 4> names = {W("Детский"), W("Молодежный"), W("Семейный"),
                                                     W("Только для взрослых")};
    if (aud.size() != 1 || aud[0] < '0' || aud[0] > '3') return std::string();
    return names[aud[0] - '0'];
}

namespace {
constexpr int kNoCarrier = -1024;
}

std::string CarrierText(std::string_view car, const TableLayout& layout) {
    const auto value = ParseDecimalInt(car);
    if (!value || *value == kNoCarrier) return std::string(); // any spelling of "-1024" means no medium
    const int medium = CarrierMedium(*value);
    const bool known = medium >= 0 && medium < int(layout.media.size());
    return (known ? layout.media[medium] : std::string()) + ' ' + std::to_string(CarrierCount(*value));
}

std::string CellText(const DiscViews& disc, const RowContext& context, int column, const TableLayout& layout) {
    switch (column) {
    case 0:
        return std::string(context.discId);
    case 1:
        return std::string(disc.Nam) + (context.newMark ? kNewMark : "");
    case 2:
        return std::string(disc.Nam2);
    case 3:
        return std::string(context.names[0]);
    case 4:
        return AudienceName(disc.Aud);
    case 5:
        return std::string(disc.Rol);
    case 6:
        return std::string(disc.Dir);
    case 7:
        return std::string(context.names[1]);
    case 8:
        return std::string(context.names[2]);
    case 9:
        return std::string(disc.Year);
    case 10:
        return disc.Lon == "0" ? std::string() : std::string(disc.Lon);
    case 11:
        return CarrierText(disc.Car, layout);
    default:
        return std::string();
    }
}

TableRow MakeTableRow(const DiscViews& disc, const RowContext& context, const TableLayout& layout) {
    TableRow row;
    for (int c = 0; c < kColumnCount; ++c) row.cells[c] = CellText(disc, context, c, layout);
    row.ent = disc.Ent;
    row.giv = disc.Giv;
    row.gin = disc.Gin;
    row.oth = disc.Oth;
    return row;
}

} // namespace mcb
