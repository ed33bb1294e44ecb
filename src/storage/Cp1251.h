// Letter case of Windows-1251 text: the upper-case mapping that every name comparison and every
// ordering of the program goes through, so that Cyrillic letters compare case-insensitively too.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mcb {

// Upper-case form of one Windows-1251 byte (Latin a-z, Cyrillic а-я, ё and the other Cyrillic
// letters of the code page); every other byte is returned unchanged.
char UpperChar(char c);

// The same mapping as a table, for loops that upper-case many bytes: table[b] is UpperChar(b).
const std::array<char, 256>& UpperTable();

std::string UpperCase(std::string_view text);

// Byte-wise comparison of the upper-cased texts by their Windows-1251 codes; a proper prefix is
// smaller. Returns <0, 0 or >0.
int CompareUpper(std::string_view a, std::string_view b);

bool EqualsUpper(std::string_view a, std::string_view b);

// Removes leading and trailing bytes with a code of 32 or less.
std::string_view TrimControl(std::string_view text);

// Removes leading and trailing blanks (code 32) only.
std::string_view TrimBlanks(std::string_view text);

// Removes trailing blanks (code 32) only.
std::string_view TrimRightBlanks(std::string_view text);

} // namespace mcb
