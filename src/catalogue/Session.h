// The life of the program and of its open catalogue, free of screen code: start-up (settings, the
// choice of the catalogue, the backup copy, the first table build, the deferred tasks), the switch to
// another catalogue ("Новая база", "Открыть ...", "Сохранить как ..."), the table rebuild, and what is
// written at shutdown. The main window owns one Session and shows its state.
#pragma once

#include "catalogue/CatalogueClaims.h"
#include "catalogue/TableTypes.h"
#include "platform/Services.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mcb {

struct SessionServices {
    Clock& clock;
    DateFormat& dateFormat;
    Prompts& prompts;
    CatalogueClaims* claims = nullptr; // none: no guard against a second program on the catalogue
};

enum class SwitchMode { Open, New, SaveAs };

enum class StartOutcome {
    Started,
    ShownElsewhere, // another running program has the catalogue open and came to the front
    HeldElsewhere,  // another running program has it open but did not answer; the user was told
    Abandoned,      // the program is being ended before a catalogue was chosen: nothing was opened
};

// Bits of the deferred start-up tasks.
constexpr int kTaskUpdateCheck = 1;
constexpr int kTaskDebtReminder = 2;

class Session {
public:
    // programDir: the folder of the executable, where "fields.ini" lives.
    Session(SessionServices services, std::string programDir);
    ~Session();

    // Start-up: reads the layout and the settings (a settings file that cannot be used is said), chooses the catalogue
    // (the command-line argument, the remembered one, or the question loop), makes the backup copy, opens the
    // catalogue, builds the table and works out the deferred tasks. A catalogue that another running
    // program has open is not opened: that program is asked to come to the front, and nothing else
    // happens.
    StartOutcome Start(const std::optional<std::string>& commandLineCatalogue);

    // Runs the file dialog of the mode and switches to the chosen catalogue; false when cancelled or failed.
    // A catalogue that another running program has open is refused, naming it.
    bool ChooseAndSwitch(SwitchMode mode);

    // Rebuilds every row from the open catalogue by the current filter and sort order.
    void RebuildTable();

    // Shutdown: closes the catalogue (writing pending changes) and writes into the settings file
    // what the run changed in them, unless it was refused at start-up and still is. The window puts
    // its sizes and column widths into settings() first.
    void Shutdown();

    // Called when the catalogue was read again from disk, at the user's word, in place of a save:
    // the table shown no longer matches it.
    void SetReloadListener(std::function<void()> listener) { reloaded_ = std::move(listener); }

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    const TableLayout& layout() const { return layout_; }
    TIniFile& catalogue() { return *catalogue_; }
    const std::string& baseFileName() const { return baseFileName_; }
    const std::string& journalFileName() const { return journalFileName_; }
    const std::string& baseDirectory() const { return baseDirectory_; }
    const CatalogueTable& table() const { return table_; }
    const UserText& caption() const { return caption_; }
    int pendingStartupTasks() const { return pendingStartupTasks_; }
    // The overdue loans collected at start-up; the reminder takes them away.
    std::vector<DebtRow> TakeDebtRows();
    int Today() const { return services_.clock.Today(); }
    // The settings file could not be used at start-up (the user was told); it is not written.
    bool settingsRefused() const { return settingsRefused_; }
    SessionServices& services() { return services_; }

private:
    bool ChooseAtStartUp();
    StartOutcome ShowHolder();
    bool TakeClaim(const std::string& name, std::unique_ptr<CatalogueClaim>& claim);
    bool SwitchTo(SwitchMode mode, const std::string& chosen, std::unique_ptr<CatalogueClaim> claim);
    bool CopyForSaveAs(const std::string& target);
    void MakeBackup();
    bool OpenCatalogue(bool sayReadOnly = true);
    DiskChangeChoice AskAboutDiskChange(const std::string& fileName);
    void SetBaseFileName(const std::string& name);

    SessionServices services_;
    std::string programDir_;
    Settings settings_;
    Settings settingsAtStart_; // as read: what the run changed is what it writes back
    TableLayout layout_;
    std::string baseFileName_;
    std::string journalFileName_;
    std::string baseDirectory_;
    std::unique_ptr<TIniFile> catalogue_;
    std::unique_ptr<CatalogueClaim> claim_;
    bool collectDebts_ = false;
    bool settingsRefused_ = false; // the settings file could not be used at start-up
    int pendingStartupTasks_ = 0;
    CatalogueTable table_;
    std::vector<DebtRow> debtRows_;
    UserText caption_;
    std::function<void()> reloaded_;
};

} // namespace mcb
