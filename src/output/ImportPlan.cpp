#include "lists/DictRows.h"
#include "lists/KindInfo.h"
#include "output/DiscImport.h"
#include "output/ImportValues.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/Storable.h"
#include "storage/TextCodec.h"

#include <climits>
#include <unordered_map>

namespace mcb {

namespace {

constexpr std::size_t kProgressStep = 1024;

// The names of one reference list, those of the catalogue and those the import adds.
class ListIndex {
public:
    ListIndex(const TIniFile& catalogue, DictKind kind) : section_(Info(kind).section) {
        for (const DictRow& row : ReadEntries(catalogue, Info(kind)))
            indices_.try_emplace(UpperCase(row.name), row.index);
        last_ = LastIndex(catalogue, section_);
    }

    // The index of the name, adding it when new; nothing, with the reason, when it cannot be added.
    std::optional<int> Find(std::string name, std::vector<NewListEntry>& added, std::string& reason) {
        name[0] = UpperChar(name[0]);
        if (const auto known = indices_.find(UpperCase(name)); known != indices_.end()) return known->second;
        if (name == kMissingEntry) {
            reason = W("такое имя не может быть в списке");
            return std::nullopt;
        }
        if (last_ == INT_MAX) {
            reason = W("номера записей списка исчерпаны");
            return std::nullopt;
        }
        indices_.emplace(UpperCase(name), ++last_);
        added.push_back({section_, last_, std::move(name)});
        return last_;
    }

private:
    std::string section_;
    std::unordered_map<std::string, int> indices_;
    int last_ = -1;
};

DictKind ListOf(ImportField field) {
    switch (field) {
    case ImportField::Genre:
        return DictKind::Genres;
    case ImportField::Country:
        return DictKind::Countries;
    case ImportField::Company:
        return DictKind::Companies;
    default:
        return DictKind::Contacts;
    }
}

// The cells of one row by field, before the lists are asked: a row without a title adds no names.
struct RowValues {
    DiscRecord record;
    std::vector<std::pair<std::size_t, std::string>> names; // column, name of a list field
    std::vector<std::string> description;
    bool other = false; // a cell other than the description's was taken

    bool HasTitle() const { return !record.nam.empty() || !record.nam2.empty(); }
};

class Planner {
public:
    Planner(const TIniFile& catalogue, const ImportSource& source)
        : source_(source), genres_(catalogue, DictKind::Genres), countries_(catalogue, DictKind::Countries),
          companies_(catalogue, DictKind::Companies), contacts_(catalogue, DictKind::Contacts) {}

    void Row(const SheetRow& row) {
        RowValues values;
        for (std::size_t c = 0; c < row.cells.size() && c < source_.mapping.size(); ++c)
            if (source_.mapping[c] != ImportField::None && !row.cells[c].empty())
                Cell(row.number, c + 1, row.cells[c], values);
        if (values.HasTitle()) return AddDisc(row.number, std::move(values));
        if (!values.other && !values.description.empty() && !plan.discs.empty()) {
            lastLines_.insert(lastLines_.end(), values.description.begin(), values.description.end());
            return;
        }
        if (values.other || !values.description.empty())
            Skip(row.number, 0, W("нет названия диска, строка не импортирована"));
    }

    // Gives the last disc its description lines, which rows below it may have continued.
    void Finish() {
        if (plan.discs.empty()) return;
        std::string& text = plan.discs.back().description;
        for (std::size_t i = 0; i < lastLines_.size(); ++i) text.append(i ? "\r\n" : "").append(lastLines_[i]);
        lastLines_.clear();
    }

    ImportPlan plan;

private:
    void Cell(std::size_t row, std::size_t column, const std::string& utf8, RowValues& values) {
        const StorableText text = CheckStorable(utf8);
        if (!text.Ok()) {
            plan.skipped.push_back({row, column, W("знаки, которых нет в кодировке Windows-1251: "), text.unstorable});
            return;
        }
        const ImportField field = source_.mapping[column - 1];
        if (field == ImportField::Description) {
            for (std::string& line : DescriptionLines(text.text)) values.description.push_back(std::move(line));
            return;
        }
        if (const std::string reason = Take(field, text.text, column, values); !reason.empty())
            Skip(row, column, reason);
    }

    // Empty when taken, otherwise why not.
    std::string Take(ImportField field, const std::string& text, std::size_t column, RowValues& values) {
        DiscRecord& r = values.record;
        const std::string line = SingleLine(text);
        if (line.empty()) return {};
        values.other = true;
        switch (field) {
        case ImportField::Title:
            r.nam = TitleValue(line);
            return {};
        case ImportField::Title2:
            r.nam2 = TitleValue(line);
            return {};
        case ImportField::Actors:
            r.rol = line;
            return {};
        case ImportField::Director:
            r.dir = line;
            return {};
        case ImportField::Audience:
            return Store(AudienceValue(line), r.aud, W("нет такой аудитории"));
        case ImportField::Year:
            return Store(YearValue(line), r.year, W("год должен состоять из четырех цифр"));
        case ImportField::Length:
            return Store(LengthValue(line), r.lon, W("длительность должна быть числом от 0 до 999"));
        case ImportField::Carrier:
            return TakeCarrier(line, r);
        default:
            values.names.emplace_back(column, line);
            return {};
        }
    }

    template <class T, class Field>
    static std::string Store(const std::optional<T>& value, Field& field, std::string reason) {
        if (!value) return reason;
        field = *value;
        return {};
    }

    std::string TakeCarrier(const std::string& line, DiscRecord& r) const {
        const std::optional<CarrierValue> carrier = CarrierOf(line, source_.layout);
        if (!carrier) return W("нет такого носителя");
        r.medium = carrier->medium;
        r.count = carrier->count;
        return {};
    }

    void AddDisc(std::size_t row, RowValues values) {
        for (auto& [column, name] : values.names) {
            const ImportField field = source_.mapping[column - 1];
            std::string reason;
            const std::optional<int> index = List(field).Find(std::move(name), plan.entries, reason);
            if (!index) {
                Skip(row, column, reason);
                continue;
            }
            IndexField(field, values.record) = std::to_string(*index);
        }
        Finish();
        plan.discs.push_back(std::move(values.record));
        lastLines_ = std::move(values.description);
    }

    ListIndex& List(ImportField field) {
        switch (ListOf(field)) {
        case DictKind::Genres:
            return genres_;
        case DictKind::Countries:
            return countries_;
        case DictKind::Companies:
            return companies_;
        case DictKind::Contacts:
            break;
        }
        return contacts_;
    }

    static std::string& IndexField(ImportField field, DiscRecord& r) {
        switch (field) {
        case ImportField::Genre:
            return r.gen;
        case ImportField::Country:
            return r.cou;
        case ImportField::Company:
            return r.comp;
        default:
            return r.oth;
        }
    }

    void Skip(std::size_t row, std::size_t column, std::string reason) {
        plan.skipped.push_back({row, column, std::move(reason), {}});
    }

    const ImportSource& source_;
    std::vector<std::string> lastLines_;
    ListIndex genres_, countries_, companies_, contacts_;
};

} // namespace

std::optional<ImportPlan> PlanImport(const TIniFile& catalogue, const ImportSource& source,
                                     const ImportProgress& progress) {
    Planner planner(catalogue, source);
    const std::size_t total = source.rows.size();
    for (std::size_t r = 1; r < total; ++r) {
        planner.Row(source.rows[r]);
        if (progress && (r % kProgressStep == 0 || r + 1 == total) && !progress(r + 1, total)) return std::nullopt;
    }
    planner.Finish();
    return std::move(planner.plan);
}

std::string SkippedText(const SkippedCell& cell) {
    const std::string place = cell.column ? CellPlace(cell.row, cell.column) : W("строка ") + std::to_string(cell.row);
    return Utf8FromCp1251(place + ": " + cell.reason) + cell.characters;
}

} // namespace mcb
