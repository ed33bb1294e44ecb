// A small catalogue file with reference names and descriptions for the report tests, and table rows
// written in UTF-8 and kept in Windows-1251 as the table build makes them.
#pragma once

#include "catalogue/CatalogueFixture.h"
#include "catalogue/TableTypes.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <memory>

namespace mcb::test {

inline std::string ReportCatalogueText() {
    return CatalogueText({
        {"Common", {{"LastCDID", "00003"}}},
        {"Genres", {{"0", "Драма"}, {"1", "Комедия"}}},
        {"Countries", {{"0", "СССР"}}},
        {"Company", {{"0", "Мосфильм"}}},
        {"Contacts", {{"0", "Иван"}, {"1", "Пётр"}}},
        {"00001", {{"Lin", "2"}, {"Li1", "Первая строка"}, {"Li2", "Вторая"}}},
        {"00002", {{"Lin", "0"}}},
        {"00009", {{"Lin", "3"}, {"Li1", "Одна"}}},
    });
}

class ReportCatalogue {
public:
    ReportCatalogue() {
        dir_.Write("films.cbf", ReportCatalogueText());
        ini_ = std::make_unique<TIniFile>(dir_.File("films.cbf"));
    }
    const TIniFile& ini() const { return *ini_; }

private:
    TempDir dir_;
    std::unique_ptr<TIniFile> ini_;
};

// Cells 0..11 in UTF-8; the disc is own and in stock unless said otherwise.
inline TableRow Row(std::array<std::string, kColumnCount> cells, std::string gin = "-1", std::string giv = "0",
                    std::string oth = "-1") {
    TableRow row;
    for (int c = 0; c < kColumnCount; ++c) row.cells[c] = W(cells[c]);
    row.ent = "0";
    row.giv = std::move(giv);
    row.gin = std::move(gin);
    row.oth = std::move(oth);
    return row;
}

} // namespace mcb::test
