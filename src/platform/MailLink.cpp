#include "platform/MailLink.h"

#include "storage/Cp1251.h"
#include "storage/TextCodec.h"

#include <array>

namespace mcb {

namespace {

constexpr std::string_view kLineBreak = "%0D%0A";

// Bytes that belong to a pair of letter cases: the Latin and Cyrillic letters of the code page.
const std::array<bool, 256>& Letters() {
    static const std::array<bool, 256> letters = [] {
        std::array<bool, 256> table{};
        for (int c = 0; c < 256; ++c) {
            const auto upper = static_cast<unsigned char>(UpperChar(static_cast<char>(c)));
            if (upper != c) table[c] = table[upper] = true;
        }
        return table;
    }();
    return letters;
}

bool IsLetterOrDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || Letters()[c];
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// The characters an address may hold unquoted before its "@"; the link encodes each of them, so
// that "&", "?" or "#" in a name never reads as the start of header fields.
bool IsLocalPartChar(unsigned char c) {
    return IsLetterOrDigit(c) ||
           std::string_view("!#$%&'*+-/=?^_`{|}~.").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsHostChar(unsigned char c) {
    return IsLetterOrDigit(c) || c == '-' || c == '.';
}

// Dots may separate parts, never begin, end or double up.
bool DotsSeparate(std::string_view part) {
    return part.front() != '.' && part.back() != '.' && part.find("..") == std::string_view::npos;
}

template <class Pred> bool AllOf(std::string_view text, Pred pred) {
    for (char c : text)
        if (!pred(static_cast<unsigned char>(c))) return false;
    return true;
}

// One character as the link carries it: itself when unreserved, otherwise its UTF-8 bytes as %XX.
std::string Encoded(char c) {
    if (IsUnreserved(static_cast<unsigned char>(c))) return std::string(1, c);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char byte : Utf8FromCp1251(std::string_view(&c, 1))) {
        const auto b = static_cast<unsigned char>(byte);
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out;
}

// Control characters would break the letter's lines or hide text; the body keeps its tabs.
char Printable(char c, bool body) {
    const auto b = static_cast<unsigned char>(c);
    if (body && c == '\t') return c;
    return b < 0x20 || b == 0x7F ? ' ' : c;
}

// Appends the encoded text while it fits into `budget` characters, stopping before a character that
// would not fit whole. Only the body keeps its line breaks.
void AppendEncoded(std::string& out, std::string_view text, bool body, std::size_t budget) {
    const std::size_t limit = out.size() + budget;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string unit;
        if (body && (c == '\r' || c == '\n')) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            unit = kLineBreak;
        } else {
            unit = Encoded(Printable(c, body));
        }
        if (out.size() + unit.size() > limit) return;
        out += unit;
    }
}

// The encoded length of one character of a body.
std::size_t EncodedBodyLength(char c) {
    return c == '\r' || c == '\n' ? kLineBreak.size() : Encoded(Printable(c, true)).size();
}

std::size_t Remaining(const std::string& link, std::size_t reserved) {
    const std::size_t used = link.size() + reserved;
    return used < kMailLinkCap ? kMailLinkCap - used : 0;
}

} // namespace

bool IsPlainMailAddress(std::string_view address) {
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos || address.size() > 254) return false;
    const std::string_view local = address.substr(0, at);
    const std::string_view host = address.substr(at + 1);
    if (local.empty() || local.size() > 64 || host.empty()) return false;
    return AllOf(local, IsLocalPartChar) && AllOf(host, IsHostChar) && DotsSeparate(local) && DotsSeparate(host);
}

std::size_t EncodedBodyLength(std::string_view text) {
    std::size_t length = 0;
    for (char c : text) length += EncodedBodyLength(c);
    return length;
}

std::string ShortenedForLink(std::string_view text, std::size_t room) {
    if (EncodedBodyLength(text) <= room) return std::string(text);
    const std::string ellipsis = "\x85"; // "…"
    const std::size_t ellipsisLength = EncodedBodyLength(ellipsis);
    std::size_t used = 0, kept = 0;
    while (kept < text.size() && used + EncodedBodyLength(text[kept]) + ellipsisLength <= room)
        used += EncodedBodyLength(text[kept++]);
    return used + ellipsisLength <= room ? std::string(text.substr(0, kept)) + ellipsis : std::string();
}

std::optional<std::string> MailLink(const MailDraft& draft) {
    if (!IsPlainMailAddress(draft.address)) return std::nullopt;
    std::string link = "mailto:";
    for (char c : draft.address) link += c == '@' ? std::string("@") : Encoded(c);
    const std::string_view bodyField = draft.subject.empty() ? "?body=" : "&body=";
    const std::size_t bodyReserve = draft.body.empty() ? 0 : bodyField.size();
    if (!draft.subject.empty()) {
        link += "?subject=";
        AppendEncoded(link, draft.subject, false, Remaining(link, bodyReserve));
    }
    if (!draft.body.empty()) {
        link += bodyField;
        AppendEncoded(link, draft.body, true, Remaining(link, 0));
    }
    return link;
}

} // namespace mcb
