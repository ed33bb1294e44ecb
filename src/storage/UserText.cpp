#include "storage/UserText.h"

#include "storage/TextCodec.h"

#include <utility>

namespace mcb {

UserText::UserText(std::string cp1251) {
    if (!cp1251.empty()) pieces_.push_back({false, std::move(cp1251)});
}

UserText::UserText(const char* cp1251) : UserText(std::string(cp1251)) {}

UserText UserText::Path(std::string native) {
    UserText text;
    if (!native.empty()) text.pieces_.push_back({true, std::move(native)});
    return text;
}

UserText& UserText::operator+=(const UserText& more) {
    for (const Piece& piece : more.pieces_) {
        if (!pieces_.empty() && pieces_.back().path == piece.path)
            pieces_.back().bytes += piece.bytes;
        else
            pieces_.push_back(piece);
    }
    return *this;
}

std::string UserText::Utf8() const {
    std::string text;
    for (const Piece& piece : pieces_) text += piece.path ? piece.bytes : Utf8FromCp1251(piece.bytes);
    return text;
}

std::string UserText::Cp1251() const {
    std::string text;
    for (const Piece& piece : pieces_) text += piece.path ? Cp1251FromUtf8(piece.bytes).text : piece.bytes;
    return text;
}

} // namespace mcb
