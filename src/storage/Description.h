// The multi-line description of a disc, stored as Lin and the lines Li1 ... Li<Lin>.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class TIniFile;

// Lines of a description text with CR LF or LF breaks; trailing CR and LF are dropped first, an
// empty inner line stays. An empty text has no lines.
std::vector<std::string> DescriptionToLines(const std::string& text);

void WriteDescription(TIniFile& catalogue, const std::string& section, const std::string& text);

// The stored lines Li1 ... Li<Lin>, in order; keys above Lin are ignored and a missing key is an
// empty line, unless the gaps pass a budget that follows the size of the file (a damaged Lin): then
// only the present lines are kept.
std::vector<std::string> ReadDescriptionLines(const TIniFile& catalogue, const std::string& section);

// The same lines one by one, without copies: for descriptions of millions of lines. The views are
// the catalogue's own text and last while it is not changed.
void VisitDescriptionLines(const TIniFile& catalogue, const std::string& section,
                           const std::function<void(std::string_view line)>& visit);

// The stored lines joined by CR LF.
std::string ReadDescription(const TIniFile& catalogue, const std::string& section);

} // namespace mcb
