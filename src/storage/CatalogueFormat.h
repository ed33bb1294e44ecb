// Keys and encodings of a catalogue file: disc identifiers, the counters of section Common, the
// file header, the walk over the existing discs, picture paths and the medium/count packing.
#pragma once

#include "storage/UserText.h"

#include <optional>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// Section name and identifier of disc n: the decimal text padded with zeros to five digits
// ("00001"); from 100000 on it simply has more digits.
std::string DiscIdText(long long n);

// Number of a disc identifier as the engine's integer conversion reads it (a signed 32-bit decimal
// number); an empty or invalid text gives 0.
long long ParseDiscId(const std::string& text);

// The number of a new disc: LastCDID + 1, or the next one after it whose section holds nothing, so
// that a damaged or hand-edited LastCDID never hands out a disc that is there. Nothing when that
// number would no longer read back as a signed 32-bit integer.
std::optional<long long> NextDiscNumber(const TIniFile& catalogue);

// The allocation counters of section Common as read with their defaults: no disc ever allocated,
// every list counter -1.
struct CommonCounters {
    long long lastCdid = 0;
    int genres = -1;
    int countries = -1;
    int company = -1;
    int contacts = -1;
};

CommonCounters ReadCommonCounters(const TIniFile& catalogue);

// Why the file of this store cannot be used as a catalogue, naming the file: it exists but could
// not be read whole, or it holds text but not one section. Nothing for a readable catalogue or a
// missing file (a new, empty catalogue). Such a store never writes over its file.
std::optional<UserText> CatalogueRefusal(const TIniFile& file);

// Why changes to this catalogue cannot be saved, naming the file or its folder: the user may not
// write the file, or not the folder the crash-safe save writes into. Nothing when they can.
std::optional<UserText> ReadOnlyRefusal(const TIniFile& file);

// The comment line that precedes every written catalogue, with the empty line after it.
const std::string& CatalogueFileHeader();

// Numbers of the existing discs in ascending order: n from 1 to LastCDID whose section has a
// non-empty Nam or Nam2. The cost depends on the sections present, not on the size of LastCDID.
std::vector<long long> EnumerateDiscs(const TIniFile& catalogue);

// Picture paths: the path and the catalogue folder (with its trailing "/") are native UTF-8 paths,
// the stored value is Windows-1251 text in double quotes with the catalogue folder written as "?".
// Characters that Windows-1251 cannot hold are stored as "?" (the disc editor refuses such input);
// a path holding a line break is stored as the empty path. A stored path that would be longer than
// any path the system can open (kLongestPicturePath bytes) reads as the empty path; that is decided
// before any "?" is expanded.
inline constexpr std::size_t kLongestPicturePath = 4096;
std::string EncodePicturePath(const std::string& path, const std::string& baseDir);
std::string DecodePicturePath(const std::string& stored, const std::string& baseDir);

// Car = medium index * 1024 + number of discs; no medium is stored as -1024.
int PackCarrier(int medium, int count);
int CarrierMedium(int car);
int CarrierCount(int car);

} // namespace mcb
