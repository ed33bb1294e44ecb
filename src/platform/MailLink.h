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

// One plain address "name@host": no blanks or control characters, none of ? & , ; < > " ' and
// no second "@"; letters (Latin or Cyrillic), digits and the other characters an address may hold.
bool IsPlainMailAddress(std::string_view address);

// The link, with empty fields left out; nothing when the address is not a plain address.
std::optional<std::string> MailLink(const MailDraft& draft);

} // namespace mcb
