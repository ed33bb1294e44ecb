#include "discs/DiscEditor.h"

#include "discs/PictureCopy.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <filesystem>
#include <system_error>

namespace mcb {

namespace {

void Capitalise(std::string& name) {
    if (!name.empty()) name[0] = UpperChar(name[0]);
}

} // namespace

std::string ReferenceName(const TIniFile& catalogue, const char* section, const std::string& index) {
    return catalogue.ReadString(section, index, "");
}

bool DiscEditor::MayChange() const {
    return !SayRefusal(context_.prompts, ReadOnlyRefusal(context_.catalogue));
}

std::optional<DiscRecord> DiscEditor::OpenNew() {
    isNew_ = true;
    const std::optional<long long> number = NextDiscNumber(context_.catalogue);
    if (!number) {
        context_.prompts.Message(W("Невозможно добавить диск: номера дисков в базе исчерпаны."));
        return std::nullopt;
    }
    id_ = DiscIdText(*number);
    titles_.emplace(context_.catalogue);
    return DiscRecord{};
}

DiscRecord DiscEditor::OpenExisting(const std::string& id) {
    isNew_ = false;
    id_ = id;
    titles_.emplace(context_.catalogue);
    return ReadDiscRecord(context_.catalogue, id, context_.baseDir);
}

SaveResult DiscEditor::Save(DiscRecord& record, const PictureCopies& copies) {
    record.nam = std::string(TrimControl(record.nam));
    record.nam2 = std::string(TrimControl(record.nam2));
    if (record.nam.empty() && record.nam2.empty()) {
        context_.prompts.Message(W("Не задано название диска!"));
        return SaveResult::NoTitle;
    }
    if (!ConfirmSimilar(record)) return SaveResult::Declined;

    DiscRecord stored = record;
    Capitalise(stored.nam);
    Capitalise(stored.nam2);
    TIniFile& catalogue = context_.catalogue;
    const auto entryDay = isNew_ ? std::optional<int>(context_.journal.clock.Today()) : std::nullopt;
    const std::vector<std::string> made = CopyPictures(stored, copies);
    const std::uint64_t reloads = catalogue.Reloads();
    const bool saved = catalogue.ChangeAndSave([&] {
        if (isNew_) catalogue.WriteString("Common", "LastCDID", id_);
        WriteDiscRecord(catalogue, id_, stored, context_.baseDir, entryDay);
    });
    if (!saved) {
        std::error_code ignored;
        for (const std::string& copy : made) std::filesystem::remove(copy, ignored);
        // The identifier and the titles this opening knew may no longer be those of the file read again.
        return catalogue.Reloads() != reloads ? SaveResult::Reloaded : SaveResult::WriteFailed;
    }
    Journal(stored);
    record = std::move(stored);
    return SaveResult::Saved;
}

bool DiscEditor::ConfirmSimilar(const DiscRecord& record) {
    const auto similar = titles_->Similar(record.nam, record.nam2, ParseDiscId(id_));
    for ([[maybe_unused]] long long disc : similar)
        if (!context_.prompts.Warn(W("Диск с похожим названием в базе уже существует. Продолжить ?"))) return false;
    return true;
}

void DiscEditor::Journal(const DiscRecord& record) const {
    const std::string quoted = "\"" + record.nam + "\" (ID=" + id_ + ")";
    if (isNew_)
        LogEventIfSelected(context_.journal, kEventAdd, W("Новый диск ") + quoted + W(" успешно добавлен в базу."));
    else
        LogEventIfSelected(context_.journal, kEventEdit, W("Данные о диске ") + quoted + W(" успешно изменены."));
}

std::string DiscEditor::CopyStem(int k) const {
    return context_.baseDir + id_ + "_" + std::to_string(k);
}

std::string DiscEditor::PictureCopyPath(int k, const std::string& source) const {
    return PictureCopyName(CopyStem(k), source);
}

// The copies made, for taking them back.
std::vector<std::string> DiscEditor::CopyPictures(DiscRecord& record, const PictureCopies& copies) const {
    std::vector<std::string> made;
    for (int k : {1, 2}) {
        std::string& picture = record.pictures[std::size_t(k - 1)];
        if (!copies[std::size_t(k - 1)] || picture.empty()) continue;
        PictureCopy copy = CopyPictureBeside(CopyStem(k), picture, context_.prompts);
        if (copy.made) made.push_back(copy.path);
        picture = std::move(copy.path);
    }
    return made;
}

} // namespace mcb
