#include "lists/DictImport.h"

#include "lists/KindInfo.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <climits>
#include <unordered_set>

namespace mcb {

ImportCounts ImportEntries(TIniFile& catalogue, const TIniFile& source, DictKind kind,
                           const std::vector<DictRow>& shown, std::string& selection) {
    const KindInfo& info = Info(kind);
    ImportCounts counts;
    if (source.ReadInteger("Common", info.section, -1) < 0) {
        selection.clear();
        return counts;
    }
    std::unordered_set<std::string> known;
    for (const DictRow& row : shown) known.insert(UpperCase(row.name));
    const bool saved = catalogue.ChangeAndSave([&] {
        int last = LastIndex(catalogue, info.section);
        for (const DictRow& entry : ReadEntries(source, info)) {
            ++counts.found;
            // A counter edited up to the largest integer has no index left to give.
            if (known.contains(UpperCase(entry.name)) || last == INT_MAX) continue;
            ++counts.imported;
            const std::string key = std::to_string(++last);
            catalogue.WriteString(info.section, key, entry.name);
            if (info.HasContactFields()) {
                catalogue.WriteString(info.section, key + "_mail", entry.mail);
                catalogue.WriteString(info.section, key + "_phone", entry.phone);
            }
        }
        catalogue.WriteInteger("Common", info.section, last);
    });
    if (!saved) counts.imported = 0;
    return counts;
}

std::string ImportReport(const ImportCounts& counts) {
    return W("Найдено записей : ") + std::to_string(counts.found) + W(". Импортировано записей : ") +
           std::to_string(counts.imported) + ".";
}

} // namespace mcb
