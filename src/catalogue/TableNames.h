// Names of the reference-list entries that the table's discs refer to (genres, countries,
// companies), each read from the catalogue once and kept as it was read: the table shows the names
// of its last refresh, as a table build always has.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mcb {

class TIniFile;

enum class NameList { Genres, Countries, Companies };

class TableNames {
public:
    TableNames();

    // The number of the name of the entry with this index text, read the first time it is asked for.
    uint32_t Id(const TIniFile& catalogue, NameList list, std::string_view index);
    std::string_view Name(uint32_t id) const { return names_[id]; }

    // Forgets every name, for lists that changed.
    void Clear();

private:
    static constexpr uint32_t kUnknown = UINT32_MAX;

    struct List {
        std::vector<uint32_t> byNumber;                       // plain indices
        std::unordered_map<std::string, uint32_t> bySpelling; // every other index text
    };
    uint32_t Read(const TIniFile& catalogue, NameList list, std::string_view index);

    std::array<List, 3> lists_;
    std::vector<std::string> names_;
};

} // namespace mcb
