// Letter case and alphabetical order of Windows-1251 text: the upper-case mapping that every name
// comparison goes through and the ranks that every ordering goes through, so that Cyrillic letters
// compare case-insensitively too.
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

bool EqualsUpper(std::string_view a, std::string_view b);

// The alphabetical order every ordering of texts follows: a byte ranks by its upper-case code,
// except that Ё comes right after Е (before Ж) as in the Russian alphabet, the codes between them
// moving down by one to make room. The ranks are a permutation of the 256 codes, so two texts tie
// exactly when they are equal upper-cased.
unsigned char SortRank(char c);

// The same ranks as a table: table[b] is SortRank(b).
const std::array<unsigned char, 256>& SortRankTable();

// The ranks of a text's bytes: keys compared as unsigned bytes (as std::string compares) order the
// texts alphabetically.
std::string SortKey(std::string_view text);

// Alphabetical comparison; a proper prefix comes first. Returns <0, 0 or >0.
int CompareSorted(std::string_view a, std::string_view b);

// Removes leading and trailing bytes with a code of 32 or less.
std::string_view TrimControl(std::string_view text);

// Removes leading and trailing blanks (code 32) only.
std::string_view TrimBlanks(std::string_view text);

// Removes trailing blanks (code 32) only.
std::string_view TrimRightBlanks(std::string_view text);

} // namespace mcb
