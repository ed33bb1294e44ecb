#include "storage/Layout.h"

#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

TableLayout BuiltInLayout() {
    TableLayout layout;
    const char* headers[] = {
        "ID",       "Название", "Второе название",        "Жанр",        "Аудитория",    "В гл.ролях",
        "Режиссер", "Страна",   "Компания-производитель", "Год выпуска", "Длительность", "Носитель"};
    for (size_t i = 0; i < layout.headers.size(); ++i) layout.headers[i] = W(headers[i]);
    const char* media[] = {"CD", "CD-R", "CD-RW", "DVD", "HDD", "VHS"};
    std::copy(std::begin(media), std::end(media), layout.media.begin());
    return layout;
}

TableLayout ReadLayout(const std::string& path) {
    TableLayout layout = BuiltInLayout();
    const TIniFile file(path);
    int highestGiven = 0;
    for (int n = 0; n < static_cast<int>(layout.media.size()); ++n) {
        std::string name = file.ReadString("Medium", "Line" + std::to_string(n), "");
        if (name.empty()) continue;
        layout.media[n] = std::move(name);
        highestGiven = n;
    }
    layout.maxMedium = std::max(layout.maxMedium, highestGiven);
    for (size_t n = 0; n < layout.headers.size(); ++n) {
        std::string heading = file.ReadString("TableHeaders", "Header" + std::to_string(n), "");
        if (!heading.empty()) layout.headers[n] = std::move(heading);
    }
    return layout;
}

} // namespace mcb
