// The multi-line description of a disc, stored as Lin and the lines Li1 ... Li<Lin>.
#pragma once

#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// Lines of a description text with CR LF or LF breaks; trailing CR and LF are dropped first, an
// empty inner line stays. An empty text has no lines.
std::vector<std::string> DescriptionToLines(const std::string& text);

void WriteDescription(TIniFile& catalogue, const std::string& section, const std::string& text);

// The stored lines Li1 ... Li<Lin>, in order. Keys above Lin are ignored; a line whose key is
// missing is left out, so a damaged Lin costs only the keys that exist.
std::vector<std::string> ReadDescriptionLines(const TIniFile& catalogue, const std::string& section);

// The stored lines joined by CR LF.
std::string ReadDescription(const TIniFile& catalogue, const std::string& section);

} // namespace mcb
