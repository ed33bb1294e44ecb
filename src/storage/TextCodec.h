// Conversion between the Windows-1251 texts of the program and Unicode (UTF-8), used only where
// text meets the screen, the command line or a file-system path.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

// Every byte has a Unicode counterpart (0x98, unassigned in the code page, maps to U+0098), so this
// never loses anything.
std::string Utf8FromCp1251(std::string_view cp1251);

struct Cp1251Result {
    std::string text;         // the converted text; characters that cannot be stored become '?'
    std::u32string unstorable; // each character that Windows-1251 cannot hold, once, in order of appearance
    bool Ok() const { return unstorable.empty(); }
};

// Invalid UTF-8 sequences count as the unstorable character U+FFFD.
Cp1251Result Cp1251FromUtf8(std::string_view utf8);

// UTF-8 text of a single Unicode character (for messages that name unstorable characters).
std::string Utf8FromCodePoint(char32_t c);

} // namespace mcb
