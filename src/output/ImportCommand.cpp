#include "output/ImportCommand.h"

#include "catalogue/FileNames.h"
#include "output/DiscImport.h"
#include "output/SheetFile.h"
#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace mcb {

namespace {

int Fail(std::ostream& err, const std::string& message) {
    err << "mirvane-cdbase: " << message << '\n';
    return 1;
}

bool HasTitleColumn(const std::vector<ImportField>& mapping) {
    return std::any_of(mapping.begin(), mapping.end(),
                       [](ImportField f) { return f == ImportField::Title || f == ImportField::Title2; });
}

std::string FailureText(ImportResult result, const std::string& cataloguePath) {
    if (result == ImportResult::NoIdentifiers)
        return "номера дисков в базе " + cataloguePath + " исчерпаны, диски не добавлены";
    return "не удалось записать файл базы " + cataloguePath + ", диски не добавлены";
}

void PrintOutcome(const ImportPlan& plan, std::ostream& out) {
    out << "Добавлено дисков: " << plan.discs.size() << '\n';
    for (const SkippedCell& cell : plan.skipped) out << "Пропущено: " << SkippedText(cell) << '\n';
}

} // namespace

int RunImportCommand(const ImportRequest& request, const Clock& clock, const DateFormat& dates, std::ostream& out,
                     std::ostream& err) {
    const SheetRead sheet = ReadSheetFile(request.sheetPath);
    if (!sheet.Ok())
        return Fail(err, "не удалось прочитать файл " + request.sheetPath + ": " + Utf8FromCp1251(sheet.error));
    if (sheet.rows.size() < 2) return Fail(err, "в файле " + request.sheetPath + " нет строк с дисками");
    const TableLayout layout = ReadLayout(request.layoutPath);
    const std::vector<ImportField> mapping = PresetMapping(ColumnHeadings(sheet.rows), layout);
    if (!HasTitleColumn(mapping)) return Fail(err, "в файле " + request.sheetPath + " нет колонки с названием диска");

    const std::string& named = request.cataloguePath;
    TIniFile catalogue(named.find('/') == std::string::npos ? "./" + named : named);
    catalogue.SetFileHeader(CatalogueFileHeader());
    if (const std::optional<UserText> refusal = CatalogueRefusal(catalogue)) return Fail(err, refusal->Utf8());
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    const Settings settings = ReadSettings(settingsFile, clock.Today());

    const std::optional<ImportPlan> plan = PlanImport(catalogue, {sheet.rows, mapping, layout});
    if (plan->discs.empty()) {
        PrintOutcome(*plan, out);
        return 0;
    }
    if (catalogue.Loaded() == ReadState::Missing)
        err << "mirvane-cdbase: файл базы " << named << " не найден, создана новая база\n";
    const std::string path = AbsolutePath(catalogue.FileName());
    const JournalContext journal{WithExtension(path, ".log"), settings.setup, clock, dates, path};
    const std::string baseDir = std::filesystem::path(path).parent_path().string() + "/";
    const ImportResult result = ApplyImport(catalogue, *plan, {baseDir, clock.Today(), journal});
    if (result != ImportResult::Done) return Fail(err, FailureText(result, named));
    PrintOutcome(*plan, out);
    return 0;
}

} // namespace mcb
