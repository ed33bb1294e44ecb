// Where the news file is downloaded to, for as long as one check needs it.
#pragma once

#include <string>

namespace mcb {

// "news.txt" in a private temporary folder made for this one check, so that no file of the user's own
// folders is ever created, replaced or removed by it. The file and the folder are removed when the
// place goes, whatever the check found.
class NewsFilePlace {
public:
    NewsFilePlace();
    ~NewsFilePlace();
    NewsFilePlace(const NewsFilePlace&) = delete;
    NewsFilePlace& operator=(const NewsFilePlace&) = delete;

    // Empty when no place could be made.
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string privateFolder_;
};

} // namespace mcb
