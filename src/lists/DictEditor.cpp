#include "lists/DictEditor.h"

#include "lists/DictImport.h"
#include "lists/DictReferences.h"
#include "lists/DictSelection.h"
#include "platform/Services.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <algorithm>
#include <climits>
#include <filesystem>

namespace mcb {

namespace {

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

DictEditor::DictEditor(TIniFile& catalogue, const SetupSettings& setup, Prompts& prompts)
    : catalogue_(catalogue), setup_(setup), prompts_(prompts) {}

void DictEditor::Open(DictParams& params) {
    params_ = &params;
    if (params.editMode) params.multiSelect = false;
    Load(std::nullopt);
    if (mode() != DictMode::Single) return;
    const auto chosen = std::find_if(rows_.begin(), rows_.end(),
                                     [&params](const DictRow& row) { return row.IndexText() == params.selection; });
    if (chosen != rows_.end()) current_ = int(chosen - rows_.begin());
}

void DictEditor::SetCurrent(int row) {
    if (row >= 0 && row < int(rows_.size())) current_ = row;
}

std::string DictEditor::SelectionText() const {
    return ListSelectionText(catalogue_, params_->kind, params_->selection, setup_.Truncate);
}

bool DictEditor::Accept() {
    if (mode() != DictMode::Single) return true;
    if (current_ < 0) return false;
    params_->selection = rows_[current_].IndexText();
    return true;
}

bool DictEditor::Activate() {
    switch (mode()) {
    case DictMode::Edit:
        current_ < 0 ? Add() : Change();
        return false;
    case DictMode::Single:
        return Accept();
    case DictMode::Multi:
        Toggle();
        return false;
    }
    return false;
}

bool DictEditor::MayChange() const {
    return !SayRefusal(prompts_, ReadOnlyRefusal(catalogue_));
}

void DictEditor::Add() {
    if (!MayChange()) return;
    const std::optional<std::string> name = AskName(kind().addPrompt, "", -1);
    if (!name) return;
    DictRow row{-1, *name, {}, {}};
    if (kind().HasContactFields() && !AskContactFields(row, DictRow{})) return;
    const int last = LastIndex(catalogue_, kind().section);
    if (last == INT_MAX) {
        prompts_.Message(W("Невозможно добавить запись: номера записей списка исчерпаны."));
        return;
    }
    row.index = last + 1;
    catalogue_.ChangeAndSave([&] {
        catalogue_.WriteInteger("Common", kind().section, row.index);
        WriteRow(row);
    });
    Load(row.index);
}

void DictEditor::Change() {
    if (!MayChange()) return;
    if (current_ < 0) return;
    const DictRow old = rows_[current_];
    if (const std::optional<std::string> name = AskName(kind().editPrompt, old.name, current_)) {
        DictRow row = old;
        row.name = *name;
        if (!kind().HasContactFields() || AskContactFields(row, old)) catalogue_.ChangeAndSave([&] { WriteRow(row); });
    }
    Load(old.index);
}

void DictEditor::Delete() {
    if (!MayChange()) return;
    if (current_ < 0) return;
    const DictRow row = rows_[current_];
    if (TrimBlanks(row.name).empty()) return;
    const KindInfo& info = kind();
    if (!prompts_.Confirm(W("Удалить ") + info.noun + " " + Quoted(row.name) + W(" из списка ?"))) return;
    if (IsReferenced(catalogue_, params_->kind, row.IndexText())) {
        prompts_.Message(W("Невозможно удалить ") + info.noun + " " + Quoted(row.name) + W(" из списка. На ") +
                         info.noun + W(" имеются ссылки в базе."));
        return;
    }
    catalogue_.ChangeAndSave([&] { catalogue_.DeleteKey(info.section, row.IndexText()); });
    Load(std::nullopt);
}

void DictEditor::Import() {
    if (!MayChange()) return;
    const FileDialogSpec options{W("Введите имя файла с открываемой базой"),
                                 W("Файлы базы данных (*.СBF)|*.CBF|Все файлы (*.*)|*.*"),
                                 std::filesystem::path(catalogue_.FileName()).parent_path().string()};
    const std::optional<std::string> file = prompts_.OpenFileName(options);
    if (!file) return;
    ImportCounts counts;
    {
        // Only ever read: as it is never modified, releasing it writes nothing.
        const TIniFile source(*file);
        if (const std::optional<UserText> refusal = CatalogueRefusal(source)) {
            prompts_.Message(*refusal);
            return;
        }
        counts = ImportEntries(catalogue_, source, params_->kind, rows_, params_->selection);
    }
    Load(CurrentIndex());
    prompts_.Message(ImportReport(counts));
}

void DictEditor::Toggle() {
    if (current_ < 0) return;
    params_->selection = ToggleEntry(params_->selection, rows_[current_].IndexText());
}

void DictEditor::SelectAll() {
    params_->selection.clear();
}

void DictEditor::Load(std::optional<int> currentIndex) {
    rows_ = LoadRows(catalogue_, params_->kind);
    if (catalogue_.ReadInteger("Common", kind().section, -1) < 0) params_->selection.clear();
    if (mode() == DictMode::Multi) {
        if (rows_.empty()) params_->selection.clear();
        params_->selection = KeepShownEntries(params_->selection, rows_);
    }
    const auto kept = std::find_if(rows_.begin(), rows_.end(),
                                   [&currentIndex](const DictRow& row) { return row.index == currentIndex; });
    if (kept != rows_.end())
        current_ = int(kept - rows_.begin());
    else
        current_ = std::min(std::max(current_, 0), int(rows_.size()) - 1);
}

std::optional<std::string> DictEditor::AskName(const std::string& prompt, const std::string& initial, int excludedRow) {
    const std::optional<std::string> typed = prompts_.InputLine(kind().headers[0], prompt, initial);
    if (!typed) return std::nullopt;
    std::string name(TrimBlanks(*typed));
    if (name.empty()) {
        prompts_.Message(W("Данное поле обязательно для заполнения"));
        return std::nullopt;
    }
    name[0] = UpperChar(name[0]);
    for (int row = 0; row < int(rows_.size()); ++row) {
        if (row != excludedRow && EqualsUpper(rows_[row].name, name)) {
            prompts_.Message(W("Дублирование записи"));
            return std::nullopt;
        }
    }
    return name;
}

bool DictEditor::AskContactFields(DictRow& row, const DictRow& initial) {
    const std::optional<std::string> mail = prompts_.InputLine(row.name, W("Введите e-mail"), initial.mail);
    if (!mail) return false;
    const std::optional<std::string> phone = prompts_.InputLine(row.name, W("Введите телефон"), initial.phone);
    if (!phone) return false;
    row.mail = *mail;
    row.phone = *phone;
    return true;
}

void DictEditor::WriteRow(const DictRow& row) {
    const std::string key = row.IndexText();
    catalogue_.WriteString(kind().section, key, row.name);
    if (!kind().HasContactFields()) return;
    catalogue_.WriteString(kind().section, key + "_mail", row.mail);
    catalogue_.WriteString(kind().section, key + "_phone", row.phone);
}

std::optional<int> DictEditor::CurrentIndex() const {
    if (current_ < 0 || current_ >= int(rows_.size())) return std::nullopt;
    return rows_[current_].index;
}

} // namespace mcb
