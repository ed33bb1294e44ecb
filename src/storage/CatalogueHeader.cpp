#include "storage/CatalogueFormat.h"

namespace mcb {

const std::string& CatalogueFileHeader() {
    static const std::string header = "; Mirvane CD Base catalogue\r\n\r\n";
    return header;
}

} // namespace mcb
