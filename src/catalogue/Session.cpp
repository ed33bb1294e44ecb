#include "catalogue/Session.h"

#include "catalogue/Backup.h"
#include "catalogue/FileNames.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "storage/AtomicFile.h"
#include "storage/CatalogueFormat.h"
#include "storage/Literal.h"
#include "storage/SideFile.h"
#include "storage/WholeFile.h"
#include "storage/WriteAccess.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace mcb {

namespace fs = std::filesystem;

namespace {

FileDialogSpec CatalogueDialog(bool open) {
    return {W(open ? "Введите имя файла с открываемой базой" : "Введите имя файла для сохранения базы"),
            W("Файлы базы данных (*.СBF)|*.CBF|Все файлы (*.*)|*.*"), ""};
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) || fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

} // namespace

Session::Session(SessionServices services, std::string programDir)
    : services_(services), programDir_(std::move(programDir)) {
    caption_ = ProgramCaption();
}

Session::~Session() = default;

StartOutcome Session::Start(const std::optional<std::string>& commandLineCatalogue) {
    layout_ = ReadLayout((fs::path(programDir_) / "fields.ini").string());
    {
        const TIniFile ini(kSettingsFileName);
        settings_ = ReadSettings(ini, Today());
        settingsAtStart_ = settings_;
        // Said at once: otherwise the first word of it would be a write error at close.
        const std::optional<UserText> refusal = SettingsRefusal(ini);
        if (refusal) services_.prompts.Message(*refusal);
        settingsRefused_ = refusal.has_value();
    }
    SetBaseFileName(commandLineCatalogue ? AbsolutePath(*commandLineCatalogue) : RememberedCatalogue(settings_));
    // A remembered catalogue that is gone is said before anything else: opened as a new, empty one
    // it would look as if its discs were lost.
    if (!commandLineCatalogue && !baseFileName_.empty() && !fs::exists(baseFileName_)) {
        services_.prompts.Message(W("Файл базы ") + UserText::Path(baseFileName_) +
                                  W(", открытой в прошлый раз, не найден."));
        SetBaseFileName("");
    }
    if (!baseFileName_.empty() && !TakeClaim(baseFileName_, claim_)) return ShowHolder();
    if (!baseFileName_.empty() && !OpenCatalogue()) SetBaseFileName("");
    if (baseFileName_.empty() && !ChooseAtStartUp()) return StartOutcome::Abandoned;
    collectDebts_ = true;
    // A folder that takes no file was said once already; its backup would only fail again.
    if (settings_.setup.BackUpBase && WriteAccessOf(baseFileName_) != WriteAccess::FolderReadOnly) MakeBackup();
    RebuildTable();
    pendingStartupTasks_ = debtRows_.empty() ? 0 : kTaskDebtReminder;
    if (settings_.setup.NoUpdating) settings_.setup.UpdateDate = Today();
    // In 64 bits: a hand-edited UpdateDate may lie anywhere in the int range.
    if (static_cast<long long>(Today()) - settings_.setup.UpdateDate >= 21) pendingStartupTasks_ |= kTaskUpdateCheck;
    return StartOutcome::Started;
}

StartOutcome Session::ShowHolder() {
    if (services_.claims->RaiseHolder(baseFileName_)) return StartOutcome::ShownElsewhere;
    services_.prompts.Message(W("База ") + UserText::Path(baseFileName_) +
                              W(" уже открыта в другом окне программы, но оно не отвечает."));
    return StartOutcome::HeldElsewhere;
}

bool Session::TakeClaim(const std::string& name, std::unique_ptr<CatalogueClaim>& claim) {
    if (!services_.claims) return true;
    claim = services_.claims->Claim(name);
    return claim != nullptr;
}

// Asks until a catalogue is chosen, or until nobody will answer any more (false).
bool Session::ChooseAtStartUp() {
    const std::string explanation =
        W("При открытии существующей базы необходимо обязательно указать имя файла базы.                  "
          "При создании новой базы данных обязательно нужно задать имя файла для новой базы.");
    while (services_.prompts.Answering()) {
        const Answer answer = services_.prompts.Ask(W("Открыть существующую базу данных ?"), 18);
        if (ChooseAndSwitch(answer == Answer::Yes ? SwitchMode::Open : SwitchMode::New)) return true;
        services_.prompts.Message(explanation);
    }
    return false;
}

bool Session::ChooseAndSwitch(SwitchMode mode) {
    const bool open = mode == SwitchMode::Open;
    FileDialogSpec options = CatalogueDialog(open);
    options.initialPath = baseDirectory_;
    const auto chosen = open ? services_.prompts.OpenFileName(options) : services_.prompts.SaveFileName(options);
    if (!chosen || chosen->empty()) return false;
    const std::string name = open ? AbsolutePath(*chosen) : WithCatalogueExtension(AbsolutePath(*chosen));
    // The dialog asked about replacing the name as typed; the name with the extension added is asked
    // about here, except a copy onto the open file itself, which keeps it.
    const bool asked = name == AbsolutePath(*chosen) || (mode == SwitchMode::SaveAs && SameFile(name, baseFileName_));
    std::unique_ptr<CatalogueClaim> claim;
    if (!TakeClaim(name, claim)) {
        services_.prompts.Message(W("База ") + UserText::Path(name) +
                                  W(" уже открыта в другом окне программы. Работайте с ней там или выберите "
                                    "другой файл."));
        return false;
    }
    if (!open && !asked && fs::exists(name) &&
        !services_.prompts.Confirm(W("Файл ") + UserText::Path(name) + W(" уже существует. Заменить ?")))
        return false;
    return SwitchTo(mode, name, std::move(claim));
}

// A chosen file that cannot be used as a catalogue is refused and the catalogue open before is
// opened again.
bool Session::SwitchTo(SwitchMode mode, const std::string& chosen, std::unique_ptr<CatalogueClaim> claim) {
    const std::string previous = baseFileName_;
    catalogue_.reset(); // writes pending changes to the old file
    if (mode == SwitchMode::SaveAs && !CopyForSaveAs(chosen)) {
        OpenCatalogue(false);
        return false;
    }
    SetBaseFileName(chosen);
    if (OpenCatalogue()) {
        if (mode == SwitchMode::Open) collectDebts_ = true;
        claim_ = std::move(claim);
        return true;
    }
    SetBaseFileName(previous);
    if (!previous.empty()) OpenCatalogue(false);
    return false;
}

// A catalogue never written yet (no file) is simply continued under the new name, as a new one; saving
// onto the open file itself keeps it.
bool Session::CopyForSaveAs(const std::string& target) {
    if (baseFileName_.empty() || !fs::exists(baseFileName_) || SameFile(baseFileName_, target)) return true;
    const auto content = ReadWholeFile(baseFileName_);
    if (!content) {
        services_.prompts.Message(W("Проблемы при чтении файла базы"));
        return false;
    }
    // The copy is as private as the catalogue it is made from.
    const AtomicWrite how{.tempName = "~tmpini.tmp", .followLinks = true, .mode = SideFileMode(baseFileName_, target)};
    if (!WriteFileAtomically(target, *content, how)) {
        services_.prompts.Message(W("Проблемы при записи нового файла базы"));
        return false;
    }
    if (services_.prompts.Confirm(W("Удалить старый файл базы данных ?"))) {
        std::error_code ec;
        if (!fs::remove(baseFileName_, ec)) services_.prompts.Message(W("Невозможно удалить старый файл базы."));
    }
    return true;
}

// A catalogue that cannot be read never replaces the backup.
void Session::MakeBackup() {
    if (!fs::exists(baseFileName_)) return;
    const auto content = ReadWholeFile(baseFileName_);
    if (!content) {
        services_.prompts.Message(W("Проблемы при чтении файла базы"));
        return;
    }
    if (!WriteBackupCopy(baseFileName_, *content))
        services_.prompts.Message(W("Проблемы при создании резервной копии базы"));
}

// A refused file stays open as a store that never writes over it, so that there always is one. A
// catalogue whose changes cannot be saved is said once, when it is opened.
bool Session::OpenCatalogue(bool sayReadOnly) {
    catalogue_ = std::make_unique<TIniFile>(baseFileName_);
    catalogue_->SetFileHeader(CatalogueFileHeader());
    catalogue_->SetDiskChangeHandler([this](const std::string& name) { return AskAboutDiskChange(name); });
    if (SayRefusal(services_.prompts, CatalogueRefusal(*catalogue_))) return false;
    if (sayReadOnly) SayRefusal(services_.prompts, ReadOnlyRefusal(*catalogue_));
    return true;
}

// No is the answer that destroys less: whoever changed the file may have restored it on purpose.
DiskChangeChoice Session::AskAboutDiskChange(const std::string& fileName) {
    const bool overwrite = services_.prompts.Confirm(
        W("Файл базы ") + UserText::Path(fileName) +
        W(" изменен вне программы после того, как она его прочитала или записала.\n\n"
          "Заменить его версией программы?\n\n"
          "Да - записать версию программы: то, что изменено в файле вне программы, будет потеряно.\n"
          "Нет - загрузить файл в том виде, в каком он сейчас на диске: только что сделанное изменение "
          "будет потеряно."));
    if (overwrite) return DiskChangeChoice::Overwrite;
    if (reloaded_) reloaded_();
    return DiskChangeChoice::Reload;
}

void Session::SetBaseFileName(const std::string& name) {
    baseFileName_ = name;
    journalFileName_ = name.empty() ? "" : WithExtension(name, ".log");
    baseDirectory_ = name.empty() ? "" : fs::path(journalFileName_).parent_path().string() + "/";
}

void Session::RebuildTable() {
    caption_ = WindowCaption(baseFileName_);
    TableBuildResult result =
        BuildTable(*catalogue_, settings_.filter, settings_.setup, layout_, Today(), collectDebts_);
    table_ = std::move(result.table);
    if (collectDebts_) debtRows_ = std::move(result.debts);
    collectDebts_ = false;
}

std::vector<DebtRow> Session::TakeDebtRows() {
    return std::exchange(debtRows_, {});
}

void Session::Shutdown() {
    catalogue_.reset();
    claim_.reset(); // written: another start may open it now
    RememberCatalogue(settings_, baseFileName_);
    TIniFile ini(kSettingsFileName);
    // The user was told at start-up that these settings will not be saved; a file still refused is
    // left alone without a second report.
    if (settingsRefused_ && SettingsRefusal(ini)) return;
    MergeSettings(ini, settingsAtStart_, settings_, Today(), [this, &ini] {
        return services_.prompts.Confirm(
            W("Файл настроек ") + UserText::Path(ini.FileName()) +
            W(" изменен вне программы после ее запуска.\n\n"
              "Заменить измененные в нем настройки настройками программы?\n\n"
              "Да - записать настройки программы. Нет - оставить эти настройки такими, какие они в файле."));
    });
}

} // namespace mcb
