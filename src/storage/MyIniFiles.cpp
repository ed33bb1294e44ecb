#include "storage/MyIniFiles.h"

#include "storage/AtomicFile.h"
#include "storage/DecimalInt.h"
#include "storage/ErrorReport.h"
#include "storage/IniStore.h"
#include "storage/IniText.h"
#include "storage/WriteAccess.h"

#include <optional>
#include <unordered_map>
#include <utility>

namespace mcb {

namespace {

bool OnlyBlanks(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

} // namespace

struct TIniFile::Store {
    explicit Store(std::string name) : fileName(std::move(name)) {
        loaded = sections.Arena().ReadText(fileName, &onDisk);
        ParseIniText(sections);
        withoutSections = sections.Sections().empty() && !OnlyBlanks(sections.Arena().FileText());
    }

    // True when the file is no longer the one read or last written. Another identity alone is not
    // enough: a file merely touched, or copied back unchanged, holds what the store knows.
    bool ChangedOnDisk() {
        const FileIdentity now = IdentityAt(fileName);
        if (now == onDisk) return false;
        if (!now.exists || !onDisk.exists) return true;
        FileIdentity read;
        const std::optional<std::string> content = ReadWholeFile(fileName, &read);
        if (!content || !Known(*content)) return true;
        onDisk = read;
        return false;
    }

    bool Known(std::string_view content) const {
        return writtenHash ? std::hash<std::string_view>{}(content) == *writtenHash
                           : content == sections.Arena().FileText();
    }

    void Written(const FileIdentity& identity, std::string_view content) {
        onDisk = identity;
        writtenHash = std::hash<std::string_view>{}(content);
        modified = false;
    }

    // What the change in progress replaced: the number of sections before it and the first copy
    // of every older section it touched.
    struct Undo {
        std::size_t sectionCount = 0;
        bool modified = false;
        std::unordered_map<std::uint32_t, IniSection::Copy> touched;
    };

    // Called before a change of the section.
    void Touch(const IniSection& section) {
        if (!undo) return;
        const std::uint32_t number = sections.Number(section);
        if (number < undo->sectionCount && !undo->touched.contains(number))
            undo->touched.emplace(number, section.Save(sections.Arena()));
    }

    void RollBack() {
        for (const auto& [number, copy] : undo->touched) sections.At(number).Restore(sections.Arena(), copy);
        sections.Reindex(undo->sectionCount);
        modified = undo->modified;
    }

    std::string fileName;
    std::string header;
    IniStore sections;
    bool modified = false;
    ReadState loaded = ReadState::Missing;
    bool withoutSections = false;
    std::optional<Undo> undo;
    FileIdentity onDisk;                    // the file as read or last written
    std::optional<std::size_t> writtenHash; // of the last content written; none: the text read is it
    DiskChangeHandler diskChanged;
    std::uint64_t reloads = 0;
};

namespace {

std::string ResolveFileName(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos) return fileName;
    return SettingsDirectory() + fileName;
}

} // namespace

TIniFile::TIniFile(const std::string& fileName) : store_(std::make_unique<Store>(ResolveFileName(fileName))) {}

TIniFile::~TIniFile() {
    UpdateFile();
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const IniSection* found = store_->sections.Find(section);
    if (!found) return defaultValue;
    const auto value = found->Value(store_->sections.Arena(), key);
    return value ? std::string(*value) : defaultValue;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    store_->modified = true;
    IniSection& target = store_->sections.FindOrAppend(section);
    store_->Touch(target);
    target.SetValue(store_->sections.Arena(), key, value);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    return ParseDecimalInt(ReadString(section, key, std::string())).value_or(defaultValue);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::EraseSection(const std::string& section) {
    if (const IniSection* found = store_->sections.Find(section)) store_->Touch(*found);
    if (store_->sections.Erase(section)) store_->modified = true;
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
    IniSection* found = store_->sections.Find(section);
    if (found) store_->Touch(*found);
    if (found && found->DeleteKey(store_->sections.Arena(), key)) store_->modified = true;
}

bool TIniFile::UpdateFile() {
    if (store_->sections.Sections().empty()) {
        store_->modified = false;
        return true;
    }
    if (!store_->modified) return true;
    const bool unknownContent = store_->loaded == ReadState::Failed || store_->withoutSections;
    // The rename through a writable folder would replace a file the user protected.
    if (unknownContent || WriteAccessOf(store_->fileName) == WriteAccess::FileReadOnly) return ReportWriteError();
    if (store_->diskChanged && store_->ChangedOnDisk() &&
        store_->diskChanged(store_->fileName) == DiskChangeChoice::Reload) {
        Reload();
        return false;
    }
    const std::string text = FormatIniText(store_->sections, store_->header);
    PendingFile file(store_->fileName, "~tmpini.tmp");
    if (!file.Ok() || !WriteAll(file.Fd(), text) || !file.Commit()) return ReportWriteError();
    store_->Written(file.Committed(), text);
    return true;
}

bool TIniFile::ReportWriteError() const {
    ReportFileError("Write error to file ", store_->fileName);
    return false;
}

void TIniFile::Reload() {
    auto fresh = std::make_unique<Store>(store_->fileName);
    fresh->header = std::move(store_->header);
    fresh->diskChanged = std::move(store_->diskChanged);
    fresh->reloads = store_->reloads + 1;
    store_ = std::move(fresh);
}

void TIniFile::SetDiskChangeHandler(DiskChangeHandler handler) {
    store_->diskChanged = std::move(handler);
}

std::uint64_t TIniFile::Reloads() const {
    return store_->reloads;
}

// A store read again during the save has no change to take back.
bool TIniFile::ChangeAndSave(const std::function<void()>& change) {
    store_->undo.emplace(Store::Undo{store_->sections.Sections().size(), store_->modified, {}});
    bool saved = false;
    try {
        change();
        saved = UpdateFile();
    } catch (...) {
        if (store_->undo) store_->RollBack();
        store_->undo.reset();
        throw;
    }
    if (!saved && store_->undo) store_->RollBack();
    store_->undo.reset();
    return saved;
}

ReadState TIniFile::Loaded() const {
    return store_->loaded;
}

bool TIniFile::WithoutSections() const {
    return store_->withoutSections;
}

const std::string& TIniFile::FileName() const {
    return store_->fileName;
}

void TIniFile::SetFileHeader(const std::string& text) {
    store_->header = text;
}

const std::string& TIniFile::FileHeader() const {
    return store_->header;
}

std::vector<std::string> TIniFile::SectionNames() const {
    std::vector<std::string> names;
    for (const IniSection& section : store_->sections.Sections())
        if (!section.Name().empty()) names.push_back(section.Name());
    return names;
}

std::vector<std::string> TIniFile::KeyNames(const std::string& section) const {
    const IniSection* found = store_->sections.Find(section);
    return found ? found->KeyNames(store_->sections.Arena()) : std::vector<std::string>();
}

void TIniFile::VisitLines(const std::string& section,
                          const std::function<void(std::string_view key, std::string_view value)>& visit) const {
    const IniSection* found = store_->sections.Find(section);
    if (!found) return;
    const LineArena& arena = store_->sections.Arena();
    for (const LineRef& line : found->Lines(arena))
        if (!line.Deleted()) visit(arena.Key(line), arena.Value(line));
}

} // namespace mcb
