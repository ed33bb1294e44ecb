#include "catalogue/Session.h"

#include "catalogue/FileNames.h"
#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"
#include "storage/AtomicFile.h"
#include "storage/CatalogueFormat.h"
#include "storage/Literal.h"
#include "storage/WholeFile.h"

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

void Session::Start(const std::optional<std::string>& commandLineCatalogue) {
    layout_ = ReadLayout((fs::path(programDir_) / "fields.ini").string());
    {
        const TIniFile ini(kSettingsFileName);
        settings_ = ReadSettings(ini, Today());
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
    if (!baseFileName_.empty() && !OpenCatalogue()) SetBaseFileName("");
    if (baseFileName_.empty()) ChooseAtStartUp();
    collectDebts_ = true;
    if (settings_.setup.BackUpBase) MakeBackup();
    RebuildTable();
    pendingStartupTasks_ = debtRows_.empty() ? 0 : kTaskDebtReminder;
    if (settings_.setup.NoUpdating) settings_.setup.UpdateDate = Today();
    // In 64 bits: a hand-edited UpdateDate may lie anywhere in the int range.
    if (static_cast<long long>(Today()) - settings_.setup.UpdateDate >= 21) pendingStartupTasks_ |= kTaskUpdateCheck;
}

void Session::ChooseAtStartUp() {
    const std::string explanation =
        W("При открытии существующей базы необходимо обязательно указать имя файла базы.                  "
          "При создании новой базы данных обязательно нужно задать имя файла для новой базы.");
    while (true) {
        const Answer answer = services_.prompts.Ask(W("Открыть существующую базу данных ?"), 18);
        if (ChooseAndSwitch(answer == Answer::Yes ? SwitchMode::Open : SwitchMode::New)) return;
        services_.prompts.Message(explanation);
    }
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
    if (!open && !asked && fs::exists(name) &&
        !services_.prompts.Confirm(W("Файл ") + UserText::Path(name) + W(" уже существует. Заменить ?")))
        return false;
    return SwitchTo(mode, name);
}

// A chosen file that cannot be used as a catalogue is refused and the catalogue open before is
// opened again.
bool Session::SwitchTo(SwitchMode mode, const std::string& chosen) {
    const std::string previous = baseFileName_;
    catalogue_.reset(); // writes pending changes to the old file
    if (mode == SwitchMode::SaveAs && !CopyForSaveAs(chosen)) {
        OpenCatalogue();
        return false;
    }
    SetBaseFileName(chosen);
    if (OpenCatalogue()) {
        if (mode == SwitchMode::Open) collectDebts_ = true;
        return true;
    }
    SetBaseFileName(previous);
    if (!previous.empty()) OpenCatalogue();
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
    if (!WriteFileAtomically(target, *content)) {
        services_.prompts.Message(W("Проблемы при записи нового файла базы"));
        return false;
    }
    if (services_.prompts.Confirm(W("Удалить старый файл базы данных ?"))) {
        std::error_code ec;
        if (!fs::remove(baseFileName_, ec)) services_.prompts.Message(W("Невозможно удалить старый файл базы."));
    }
    return true;
}

// The backup is the last good copy: a catalogue that cannot be read, or one holding nothing, never
// replaces a backup that holds something.
void Session::MakeBackup() {
    if (!fs::exists(baseFileName_)) return;
    const auto content = ReadWholeFile(baseFileName_);
    if (!content) {
        services_.prompts.Message(W("Проблемы при чтении файла базы"));
        return;
    }
    const std::string backup = WithExtension(baseFileName_, ".bak");
    std::error_code ec;
    const bool backupHoldsData = fs::exists(backup, ec) && fs::file_size(backup, ec) > 0;
    if (backupHoldsData && !HoldsSections(*content)) return;
    if (!WriteFileAtomically(backup, *content))
        services_.prompts.Message(W("Проблемы при создании резервной копии базы"));
}

// A refused file stays open as a store that never writes over it, so that there always is one.
bool Session::OpenCatalogue() {
    catalogue_ = std::make_unique<TIniFile>(baseFileName_);
    catalogue_->SetFileHeader(CatalogueFileHeader());
    const std::optional<UserText> refusal = CatalogueRefusal(*catalogue_);
    if (refusal) services_.prompts.Message(*refusal);
    return !refusal;
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
    RememberCatalogue(settings_, baseFileName_);
    TIniFile ini(kSettingsFileName);
    // The user was told at start-up that these settings will not be saved; a file still refused is
    // left alone without a second report.
    if (settingsRefused_ && SettingsRefusal(ini)) return;
    WriteSettings(ini, settings_);
}

} // namespace mcb
