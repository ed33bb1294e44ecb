// The check for a newer version behind the update window: the explanation, the check itself with the
// local address and the download of the news file, the offer of the installer, and switching the
// automatic check off. The window shows what this decides; the download may end later, from the
// event loop, so the window stays responsive meanwhile.
#pragma once

#include "platform/Services.h"
#include "storage/Settings.h"
#include "update/UpdateServices.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mcb {

class NewsFilePlace;

// The text area of the window. Lines are Windows-1251 and plain text.
class UpdateMemo {
public:
    virtual ~UpdateMemo() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& line) = 0;
};

struct UpdateServices {
    Clock& clock;
    LocalAddress& address;
    Download& download;
    Prompts& prompts;
    Shell& shell;
};

class UpdateCheck {
public:
    UpdateCheck(UpdateServices services, std::string runningVersion, std::string site);
    ~UpdateCheck();

    // Each showing, by hand or by the schedule: restarts the 21-day period in memory, forgets a
    // version found before and gives the explanation.
    std::vector<std::string> Show(SetupSettings& setup);

    // "Проверить": fills the memo and calls `finished` when the check has ended, possibly before
    // returning. The news file goes to a private temporary folder and is removed after reading.
    void Check(UpdateMemo& memo, std::function<void()> finished);

    // While the news file is on its way the window cannot be closed.
    bool Downloading() const { return downloading_; }
    // A newer version with change lines was found: "Скачать" offers it.
    bool Found() const { return found_; }

    // "Скачать": tells the user what happens and opens the link of the new version's package; the
    // window closes then.
    void OfferDownload();

    // Closing the window: writes "Setup"/"NoUpdating" into the settings file at once (crash-safe;
    // a failure is reported by the engine). It takes effect at the next start. A settings file
    // refused at start-up (settingsRefused) and still refused is not touched.
    static void Close(bool noCheckTicked, bool settingsRefused);

private:
    void Finish(DownloadResult result);

    UpdateServices services_;
    std::string runningVersion_;
    std::string site_;
    bool found_ = false;
    std::string newVersion_; // the list's last version, when found_
    bool downloading_ = false;
    std::unique_ptr<NewsFilePlace> place_;
    UpdateMemo* memo_ = nullptr;
    std::function<void()> finished_;
};

} // namespace mcb
