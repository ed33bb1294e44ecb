// The texts of the update window (Windows-1251).
#pragma once

#include <string>
#include <vector>

namespace mcb {

// The caption of the check box that switches the automatic check off.
std::string NoCheckCaption();

// The five lines shown before the check.
std::vector<std::string> ExplanationLines();

std::string LoadingLine();
std::string NoConnectionLine();
// After a failed download or a news file that is not genuine.
std::vector<std::string> FailureLines(const std::string& site);
// Before the first change line.
std::vector<std::string> FoundHeadLines();
// After the last change line, naming the list's last version.
std::vector<std::string> FoundTailLines(const std::string& lastVersion);
std::string NotFoundLine();
// The message before the package link is opened.
std::string DownloadOfferMessage();

} // namespace mcb
