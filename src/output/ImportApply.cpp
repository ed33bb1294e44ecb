#include "output/DiscImport.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

namespace mcb {

namespace {

constexpr std::size_t kProgressStep = 1024;

// Thrown out of the change so that the store takes every write back.
struct ImportStopped {
    ImportResult result;
};

void WriteEntries(TIniFile& catalogue, const std::vector<NewListEntry>& entries) {
    for (const NewListEntry& entry : entries) {
        const std::string key = std::to_string(entry.index);
        catalogue.WriteInteger("Common", entry.section, entry.index);
        catalogue.WriteString(entry.section, key, entry.name);
        if (entry.section != "Contacts") continue;
        catalogue.WriteString(entry.section, key + "_mail", "");
        catalogue.WriteString(entry.section, key + "_phone", "");
    }
}

// Writes the discs as the disc editor writes a new one; their identifiers in `ids`.
void WriteDiscs(TIniFile& catalogue, const ImportPlan& plan, const ImportTarget& target, const ImportProgress& progress,
                std::vector<std::string>& ids) {
    const std::size_t total = plan.discs.size();
    for (std::size_t d = 0; d < total; ++d) {
        const std::optional<long long> number = NextDiscNumber(catalogue);
        if (!number) throw ImportStopped{ImportResult::NoIdentifiers};
        ids.push_back(DiscIdText(*number));
        catalogue.WriteString("Common", "LastCDID", ids.back());
        WriteDiscRecord(catalogue, ids.back(), plan.discs[d], target.baseDir, target.today);
        const bool report = (d + 1) % kProgressStep == 0 || d + 1 == total;
        if (report && progress && !progress(d + 1, total)) throw ImportStopped{ImportResult::Cancelled};
    }
}

} // namespace

ImportResult ApplyImport(TIniFile& catalogue, const ImportPlan& plan, const ImportTarget& target,
                         const ImportProgress& progress) {
    std::vector<std::string> ids;
    try {
        const bool saved = catalogue.ChangeAndSave([&] {
            WriteEntries(catalogue, plan.entries);
            WriteDiscs(catalogue, plan, target, progress, ids);
        });
        if (!saved) return ImportResult::Failed;
    } catch (const ImportStopped& stopped) {
        return stopped.result;
    }
    std::vector<std::string> events;
    events.reserve(ids.size());
    for (std::size_t d = 0; d < ids.size(); ++d) events.push_back(DiscAddedEvent(plan.discs[d].nam, ids[d]));
    LogEventsIfSelected(target.journal, kEventAdd, events);
    return ImportResult::Done;
}

} // namespace mcb
