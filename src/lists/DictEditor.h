// The reference-list window's logic, free of screen code: the rows it shows, the current row, and
// every command with its questions and messages. Every change is saved to the catalogue file at once.
#pragma once

#include "lists/DictModes.h"
#include "lists/DictRows.h"
#include "lists/DictTypes.h"
#include "lists/KindInfo.h"

#include <optional>
#include <string>
#include <vector>

namespace mcb {

class Prompts;
class TIniFile;
struct SetupSettings;

class DictEditor {
public:
    // The settings are read when a selection text is made ("Truncate").
    DictEditor(TIniFile& catalogue, const SetupSettings& setup, Prompts& prompts);

    // Starts a showing of the window with the caller's parameters, which it reads and changes until
    // the next Open: plain editing clears multi-selection, the list is loaded, and in single selection
    // the given entry becomes current.
    void Open(DictParams& params);

    DictMode mode() const { return ModeOf(*params_); }
    const KindInfo& kind() const { return Info(params_->kind); }
    const DictParams& params() const { return *params_; }
    // Sorted by name; empty when the list has no entries (the window then shows one empty row).
    const std::vector<DictRow>& rows() const { return rows_; }
    // Position of the current row in rows(); -1 when there are no entries.
    int current() const { return current_; }
    void SetCurrent(int row);
    // The text of the selection field of multi-selection.
    std::string SelectionText() const;

    // The OK button; true when the window closes with OK.
    bool Accept();
    // A double click or Space on the list; true when the window closes with OK.
    bool Activate();

    void Add();
    void Change();
    void Delete();
    void Import();
    void Toggle();
    void SelectAll();

private:
    // False after saying so when the catalogue's changes cannot be saved.
    bool MayChange() const;
    void Load(std::optional<int> currentIndex);
    std::optional<std::string> AskName(const std::string& prompt, const std::string& initial, int excludedRow);
    bool AskContactFields(DictRow& row, const DictRow& initial);
    void WriteRow(const DictRow& row);
    std::optional<int> CurrentIndex() const;

    TIniFile& catalogue_;
    const SetupSettings& setup_;
    Prompts& prompts_;
    DictParams* params_ = nullptr;
    std::vector<DictRow> rows_;
    int current_ = -1;
};

} // namespace mcb
