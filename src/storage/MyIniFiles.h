// The program's own sectioned key/value file: the whole file is held in memory, read once when the
// instance is created and written back whole by UpdateFile and on destruction. Sections and keys keep
// their order of first appearance, duplicates stay, comments are dropped, and lookups of sections and
// keys are case-insensitive through the Windows-1251 upper-case mapping (the first match wins).
// Texts are Windows-1251 byte strings and are never converted.
#pragma once

#include "storage/WholeFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// What to do when the file on disk is no longer the one the store read or last wrote.
enum class DiskChangeChoice {
    Overwrite, // write the store over it
    Reload,    // give up the store's changes and load the file as it is now
};
using DiskChangeHandler = std::function<DiskChangeChoice(const std::string& fileName)>;

class TIniFile {
public:
    // A name without a directory part lives in the settings directory (see SettingsDirectory).
    // A missing or unreadable file gives an empty store; Loaded() tells which.
    explicit TIniFile(const std::string& fileName);
    ~TIniFile(); // runs UpdateFile()

    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);

    // Writes the whole store when it was modified since it was read or last written. The new
    // content goes to a temporary file beside the target, which is flushed to disk and renamed over
    // the target in one step, so the file on disk is always either the old or the new version.
    // Returns false after reporting "Write error to file <name>" when any step fails; the old file
    // is then untouched. A file that existed but could not be read, or held no section, is never
    // written over: whatever it holds is not in the store; neither is a file the user may not write.
    // A file that somebody else changed since (another file put in its place, another size or time
    // and other content) is written over only when the disk change handler says so; without a
    // handler it is. When the handler chooses Reload the store is read again and false is returned.
    bool UpdateFile();

    // Asked by UpdateFile when the file changed on disk.
    void SetDiskChangeHandler(DiskChangeHandler handler);
    // How many times the store was read again at the handler's word; a caller that holds values
    // taken from the store sees by it that they are gone.
    std::uint64_t Reloads() const;

    // Runs `change` on the store and saves the file. When the file cannot be written (the failure
    // is reported), the store is brought back to exactly what it was before the change, so that a
    // change the user was told is not saved is neither shown nor written by a later save; when the
    // store was read again instead, the change is gone with it. True when saved.
    bool ChangeAndSave(const std::function<void()>& change);

    // How the file was found at creation.
    ReadState Loaded() const;
    // True when the file held more than blanks and line breaks but not one section.
    bool WithoutSections() const;

    // Names of the sections that were not erased, in file order, duplicates included. Lets callers
    // walk a file without trusting a stored counter.
    std::vector<std::string> SectionNames() const;
    // Keys of the first section of that name that were not deleted, in order, duplicates included.
    std::vector<std::string> KeyNames(const std::string& section) const;
    // Calls visit(key, value) for every line of the first section of that name that was not deleted,
    // in order, duplicates included (the first of equal keys is the one ReadString finds). For
    // readers of many keys of one section: one lookup and no copies.
    void VisitLines(const std::string& section,
                    const std::function<void(std::string_view key, std::string_view value)>& visit) const;

    const std::string& FileName() const;
    void SetFileHeader(const std::string& text);
    const std::string& FileHeader() const;

private:
    bool ReportWriteError() const;
    void Reload();

    struct Store;
    std::unique_ptr<Store> store_;
};

// Directory of settings files named without a directory part: $XDG_CONFIG_HOME/mirvane-cdbase/,
// by default ~/.config/mirvane-cdbase/, with a trailing "/". Created when missing.
std::string SettingsDirectory();
// The same directory without creating it, for callers that must not write anything.
std::string SettingsDirectoryPath();

} // namespace mcb
