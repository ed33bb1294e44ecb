#include "catalogue/UpperTable.h"

#include "storage/Cp1251.h"

namespace mcb {

const std::array<char, 256>& UpperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int c = 0; c < 256; ++c) t[c] = UpperChar(static_cast<char>(c));
        return t;
    }();
    return table;
}

} // namespace mcb
