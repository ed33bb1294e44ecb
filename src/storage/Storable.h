// Whether a text the user typed can be kept in the program's Windows-1251 files. Every input that
// ends up in such a file goes through this check, so that no character is silently stored as "?".
#pragma once

#include <string>
#include <string_view>

namespace mcb {

struct StorableText {
    std::string text;       // Windows-1251; meaningful only when Ok()
    std::string unstorable; // UTF-8: each character the code page cannot hold, once, joined by blanks
    bool Ok() const { return unstorable.empty(); }
};

// `utf8` is the text as typed; an invalid UTF-8 sequence counts as the unstorable character U+FFFD.
StorableText CheckStorable(std::string_view utf8);

// Where a refused text was to be kept; each place has its message.
enum class StoreTarget { Catalogue, Journal, PicturePath };

// The refusal naming the characters (as CheckStorable gives them), UTF-8 for Prompts::WarnUnstorable.
std::string UnstorableMessage(StoreTarget target, std::string_view unstorable);

} // namespace mcb
