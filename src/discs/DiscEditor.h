// The rules of the disc editor, free of screen code: the opening in add or edit mode, the
// identifier of a new disc, saving with its checks and the copies of pictures beside the catalogue.
// The window keeps one DiscEditor per opening and shows the record it hands out.
#pragma once

#include "discs/DiscRecord.h"
#include "discs/Journal.h"
#include "discs/TitleIndex.h"
#include "platform/Services.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// Which of the record's two pictures are files chosen in this opening to be copied beside the
// catalogue: the copies are made by saving, so that Cancel leaves no file behind.
using PictureCopies = std::array<bool, 2>;

struct DiscEditorContext {
    TIniFile& catalogue;
    std::string baseDir; // folder of the catalogue file with its trailing "/"
    Prompts& prompts;
    JournalContext journal; // its clock also gives the day a new disc is entered
};

enum class SaveResult {
    Saved,       // written and the file saved: the window closes with OK
    NoTitle,     // both names empty after trimming; the user was told
    Declined,    // the user stopped at a similar name
    WriteFailed, // the catalogue file could not be written; the error was reported
    Reloaded,    // the file had changed on disk and was read again at the user's word: the window closes
};

class DiscEditor {
public:
    explicit DiscEditor(DiscEditorContext context) : context_(std::move(context)) {}

    // Both openings index the titles of the catalogue, which stay unchanged while the editor is
    // open, so that saving needs no walk over every disc.
    // Add mode: an empty record for the identifier LastCDID + 1, which nothing claims until saved.
    // Nothing, after telling the user, when the catalogue has no identifier left to give.
    std::optional<DiscRecord> OpenNew();
    // Edit mode: the record stored under the identifier.
    DiscRecord OpenExisting(const std::string& id);

    // False after saying so when the catalogue's changes cannot be saved; the window then does not open.
    bool MayChange() const;

    const std::string& CurrentDiscId() const { return id_; }
    bool IsNewDisc() const { return isNew_; }

    // Trims the two names (left trimmed in the record for the window), refuses a disc without a
    // name, asks once for each other disc with a similar name, capitalises the names, copies the
    // pictures marked in `copies` into the catalogue folder (CopyPictureBeside) and writes the
    // record, the file and the journal line. A copy made for a disc that is then not saved is
    // removed again.
    SaveResult Save(DiscRecord& record, const PictureCopies& copies = {});

    // The path picture k (1 or 2) gets when the source is copied into the catalogue folder as
    // <identifier>_<k><extension> (another free name when that one is taken).
    std::string PictureCopyPath(int k, const std::string& source) const;

private:
    std::string CopyStem(int k) const;
    std::vector<std::string> CopyPictures(DiscRecord& record, const PictureCopies& copies) const;
    bool ConfirmSimilar(const DiscRecord& record);
    void Journal(const DiscRecord& record) const;

    DiscEditorContext context_;
    std::string id_;
    bool isNew_ = true;
    std::optional<TitleIndex> titles_; // set by each opening
};

// Name of a reference-list entry ("Genres", "Countries", "Company", "Contacts") by index; empty
// when absent.
std::string ReferenceName(const TIniFile& catalogue, const char* section, const std::string& index);

} // namespace mcb
