// Text for the user that may name files. The program's own texts are Windows-1251, while file paths
// are native (UTF-8 on Linux) and may hold characters that Windows-1251 cannot. The two stay apart
// until the text reaches the screen or the command line, where each piece is converted on its own,
// so a path is shown exactly as the user typed it.
#pragma once

#include <string>
#include <vector>

namespace mcb {

class UserText {
public:
    UserText() = default;
    // A plain Windows-1251 text, as every message without a path is.
    UserText(std::string cp1251); // NOLINT(google-explicit-constructor)
    UserText(const char* cp1251); // NOLINT(google-explicit-constructor)
    static UserText Path(std::string native);
    // A UTF-8 text shown as it is, such as characters Windows-1251 cannot hold.
    static UserText Unicode(std::string utf8) { return Path(std::move(utf8)); }

    UserText& operator+=(const UserText& more);
    friend UserText operator+(UserText left, const UserText& right) { return left += right; }

    std::string Utf8() const;
    // The Windows-1251 form; characters of a path that the code page cannot hold become "?".
    std::string Cp1251() const;

    bool operator==(const UserText&) const = default;

private:
    struct Piece {
        bool path = false;
        std::string bytes;
        bool operator==(const Piece&) const = default;
    };
    std::vector<Piece> pieces_;
};

} // namespace mcb
