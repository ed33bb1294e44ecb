// "mailto:" links that a title, a name or a typed address cannot subvert: the address, then only the
// fields subject and body, everything percent-encoded from UTF-8, so that no "&", "?", "#", "%" or
// line break in a text can add header fields (attachments, copies) or cut the letter short.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mcb {

// Longest link handed to the shell; a longer body (then subject) is cut at a whole character.
inline constexpr std::size_t kMailLinkCap = 8000;

// Texts are Windows-1251. Line breaks in the body (CR LF, CR or LF) become %0D%0A; other control
// characters, and every line break in the subject, become blanks.
struct MailDraft {
    std::string address;
    std::string subject;
    std::string body;
};

// One plain address "name@host": the name of letters (Latin or Cyrillic), digits, dots and the
// characters ! # $ % & ' * + - / = ? ^ _ ` { | } ~ that an address holds unquoted; the host of
// letters, digits, hyphens and dots; one "@", no blanks, quotes or control characters.
bool IsPlainMailAddress(std::string_view address);

// The link, with empty fields left out; nothing when the address is not a plain address.
std::optional<std::string> MailLink(const MailDraft& draft);

// How many characters a body text takes in the link (a character percent-encoded as its UTF-8
// bytes takes three for each byte); a line break counts as one whole %0D%0A, so a text split
// anywhere never takes less than its whole.
std::size_t EncodedBodyLength(std::string_view text);

// The text itself when it takes at most `room` characters in a link's body, otherwise its longest
// beginning that does, followed by "…" within the room.
std::string ShortenedForLink(std::string_view text, std::size_t room);

} // namespace mcb
