// What the information panel `GroupInfo` shows for a disc: availability, owner, debtor with the
// lending date and whether a reminder can be mailed, the description, the pictures, and which of
// the two views (description or pictures) is up.
#pragma once

#include "platform/Services.h"

#include <array>
#include <string>

namespace mcb {

class TIniFile;

enum class InfoView { None, Description, Pictures };

struct DiscPanel {
    bool shown = false;       // GroupInfo: the identifier names an existing disc
    std::string availability; // LabNalStat
    bool lent = false;        // DolgPan
    std::string debtor;       // LabDolgName
    std::string lendingDate;  // LabDolgData
    bool canMail = false;     // BtEmail: the debtor has a plain e-mail address
    bool foreign = false;     // LbHoz and LbHozName
    std::string owner;        // LbHozName
    std::string description;  // DiskMemo, lines joined by CR LF
    bool hasDescription = false;
    std::array<std::string, 2> picturePaths; // full paths, kept for the picture buttons
    std::array<bool, 2> pictureExists{};
    bool memoButton = false, imageButton = false; // MemoBtn, ImgBtn shown
    InfoView view = InfoView::None;               // the panel shown and the toggle pressed
    int picture = 0;                              // 1 or 2: the picture loaded into Pict; 0 none
    std::array<bool, 2> pictureButtons{};         // Inum1, INum2 enabled
};

// `chosen` is the view whose toggle is down now; it stays when the disc has both a description and
// a picture. `baseDir` is the catalogue's folder with its trailing "/".
DiscPanel DiscPanelOf(const TIniFile& catalogue, const std::string& discId, const std::string& baseDir,
                      const DateFormat& dateFormat, InfoView chosen);

} // namespace mcb
