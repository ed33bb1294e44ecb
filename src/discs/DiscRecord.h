// One disc record as the disc editor shows and writes it, mapped to the keys of its catalogue section.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace mcb {

class TIniFile;

// Texts are Windows-1251; picture paths are native paths. Reference fields hold list indices,
// "-1" meaning none.
struct DiscRecord {
    std::string nam;
    std::string nam2;
    std::string gen = "-1";
    int aud = -1; // 0..3, -1 = not given
    std::string rol;
    std::string cou = "-1";
    int lon = 0;             // minutes, 0..999
    int medium = -1;         // index in the media list, -1 = none
    int count = 1;           // number of carriers, 1..9
    std::string description; // lines joined by CR LF
    std::array<std::string, 2> pictures;
    std::string oth = "-1"; // owner of a foreign disc
    std::string comp = "-1";
    std::string dir;
    std::string year; // four positions, untyped ones blank; empty when none was typed
};

// Reads the disc's section; missing keys give the defaults above. baseDir is the catalogue folder
// with its trailing "/", against which stored picture paths are resolved.
DiscRecord ReadDiscRecord(const TIniFile& catalogue, const std::string& id, const std::string& baseDir);

// Writes every key of the record in the stored order. entryDay is given only for a new disc: it then
// also writes Ent, and Giv and Gin as not lent; editing leaves them alone.
void WriteDiscRecord(TIniFile& catalogue, const std::string& id, const DiscRecord& record, const std::string& baseDir,
                     std::optional<int> entryDay);

} // namespace mcb
