#include "update/UpdateCheck.h"

#include "storage/MyIniFiles.h"
#include "update/DownloadPolicy.h"
#include "update/NewsFile.h"
#include "update/NewsFilePlace.h"
#include "update/UpdateTexts.h"

#include <utility>

namespace mcb {

namespace {

void AddLines(UpdateMemo& memo, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) memo.Add(line);
}

} // namespace

UpdateCheck::UpdateCheck(UpdateServices services, std::string runningVersion, std::string site)
    : services_(services), runningVersion_(std::move(runningVersion)), site_(std::move(site)) {}

UpdateCheck::~UpdateCheck() = default;

std::vector<std::string> UpdateCheck::Show(SetupSettings& setup) {
    setup.UpdateDate = services_.clock.Today();
    found_ = false;
    return ExplanationLines();
}

void UpdateCheck::Check(UpdateMemo& memo, std::function<void()> finished) {
    memo.Clear();
    memo.Add(LoadingLine());
    if (services_.address.GetLocalIP() == "0.0.0.0") {
        memo.Add(NoConnectionLine());
        finished();
        return;
    }
    memo_ = &memo;
    finished_ = std::move(finished);
    place_ = std::make_unique<NewsFilePlace>();
    downloading_ = true;
    if (place_->path().empty()) {
        Finish(DownloadResult::Failed);
        return;
    }
    services_.download.Fetch(NewsUrl(site_), place_->path(), [this](DownloadResult result) { Finish(result); });
}

void UpdateCheck::Finish(DownloadResult result) {
    downloading_ = false;
    NewsReport news;
    if (result == DownloadResult::Ok) news = ReadNews(TIniFile(place_->path()), runningVersion_);
    place_.reset(); // the news file goes whatever it said
    UpdateMemo& memo = *std::exchange(memo_, nullptr);
    if (!news.genuine) {
        AddLines(memo, FailureLines(site_));
    } else if (news.NewVersionFound()) {
        memo.Clear();
        AddLines(memo, FoundHeadLines());
        AddLines(memo, news.changeLines);
        AddLines(memo, FoundTailLines(news.lastVersion));
        found_ = true;
        newVersion_ = news.lastVersion;
    } else {
        memo.Add(NotFoundLine());
    }
    std::exchange(finished_, {})();
}

void UpdateCheck::OfferDownload() {
    services_.prompts.Message(DownloadOfferMessage());
    services_.shell.OpenLink(PackageUrl(site_, newVersion_));
}

void UpdateCheck::Close(bool noCheckTicked, bool settingsRefused) {
    TIniFile settings(kSettingsFileName);
    // The user was told at start-up that these settings are not saved; a file still refused is left
    // alone without a report.
    if (settingsRefused && SettingsRefusal(settings)) return;
    settings.WriteBool("Setup", "NoUpdating", noCheckTicked);
}

} // namespace mcb
