#include "discs/DiscPanel.h"

#include "catalogue/DiscValues.h"
#include "platform/MailLink.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/Description.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <filesystem>
#include <system_error>

namespace mcb {

namespace {

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

void ReadLoan(const TIniFile& catalogue, const DiscValues& disc, const DateFormat& dateFormat, DiscPanel& panel) {
    panel.lent = disc.IsLent();
    if (!panel.lent) {
        panel.availability = W("в наличии");
        return;
    }
    panel.availability = W("отдан в долг");
    panel.debtor = catalogue.ReadString("Contacts", disc.Gin, "");
    panel.lendingDate = dateFormat.ShortDate(DayValue(disc.Giv));
    const std::string mail = catalogue.ReadString("Contacts", disc.Gin + "_mail", "");
    panel.canMail = IsPlainMailAddress(TrimControl(mail));
}

void ReadOwner(const TIniFile& catalogue, const DiscValues& disc, DiscPanel& panel) {
    panel.foreign = disc.Oth != "-1";
    if (!panel.foreign) return;
    panel.availability = W("чужой, ") + panel.availability;
    panel.owner = catalogue.ReadString("Contacts", disc.Oth, "");
}

void ChooseView(InfoView chosen, DiscPanel& panel) {
    const bool pictures = panel.pictureExists[0] || panel.pictureExists[1];
    panel.memoButton = panel.hasDescription;
    panel.imageButton = pictures;
    if (panel.hasDescription && pictures)
        panel.view = chosen == InfoView::Pictures ? InfoView::Pictures : InfoView::Description;
    else if (pictures)
        panel.view = InfoView::Pictures;
    else if (panel.hasDescription)
        panel.view = InfoView::Description;
    if (!pictures) return;
    panel.picture = panel.pictureExists[0] ? 1 : 2;
    panel.pictureButtons = {panel.pictureExists[0], panel.pictureExists[1]};
}

} // namespace

// A disc is recognised by its identifier, so that a disc stored with only its second name shows too.
DiscPanel DiscPanelOf(const TIniFile& catalogue, const std::string& discId, const std::string& baseDir,
                      const DateFormat& dateFormat, InfoView chosen) {
    DiscPanel panel;
    if (discId.empty()) return panel;
    const DiscValues disc = ReadDiscValues(catalogue, discId);
    if (disc.Nam.empty() && disc.Nam2.empty()) return panel;
    panel.shown = true;
    ReadLoan(catalogue, disc, dateFormat, panel);
    ReadOwner(catalogue, disc, panel);
    panel.hasDescription = catalogue.ReadInteger(discId, "Lin", 0) > 0;
    panel.description = ReadDescription(catalogue, discId);
    for (int k = 0; k < 2; ++k) {
        const std::string key = k == 0 ? "Img1" : "Img2";
        panel.picturePaths[k] = DecodePicturePath(catalogue.ReadString(discId, key, ""), baseDir);
        panel.pictureExists[k] = FileExists(panel.picturePaths[k]);
    }
    ChooseView(chosen, panel);
    return panel;
}

} // namespace mcb
