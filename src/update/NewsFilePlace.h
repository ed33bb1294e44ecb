// Where the news file is downloaded to, for as long as one check needs it.
#pragma once

#include <string>

namespace mcb {

// "news.txt" in the catalogue's folder. When that folder cannot be written, or already holds a file of
// that name (which is the user's, not ours to replace), a private temporary folder is used instead.
// The file, and the temporary folder, are removed when the place goes, whatever the check found.
class NewsFilePlace {
public:
    explicit NewsFilePlace(const std::string& catalogueFolder);
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
