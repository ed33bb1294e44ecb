#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

namespace mcb {

namespace {

// Width<first> ... of a section, each missing one read as fallback.
template <size_t N> std::array<int, N> ReadWidths(const TIniFile& ini, const char* section, int first, int fallback) {
    std::array<int, N> widths{};
    for (size_t i = 0; i < N; ++i)
        widths[i] = ini.ReadInteger(section, "Width" + std::to_string(first + static_cast<int>(i)), fallback);
    return widths;
}

template <size_t N> void WriteWidths(TIniFile& ini, const char* section, int first, const std::array<int, N>& widths) {
    for (size_t i = 0; i < N; ++i)
        ini.WriteInteger(section, "Width" + std::to_string(first + static_cast<int>(i)), widths[i]);
}

} // namespace

std::array<int, 3> ReadDictTableWidths(const TIniFile& ini, int gridWidth) {
    return ReadWidths<3>(ini, "DictTable", 0, gridWidth / 3);
}

void WriteDictTableWidths(TIniFile& ini, const std::array<int, 3>& widths) {
    WriteWidths(ini, "DictTable", 0, widths);
}

std::array<int, 4> ReadDolgTableWidths(const TIniFile& ini, int gridWidth) {
    return ReadWidths<4>(ini, "DolgTable", 1, gridWidth / 4 - 4);
}

void WriteDolgTableWidths(TIniFile& ini, const std::array<int, 4>& widths) {
    WriteWidths(ini, "DolgTable", 1, widths);
}

} // namespace mcb
