#include "storage/Literal.h"

#include "storage/TextCodec.h"

namespace mcb {

std::string W(std::string_view utf8) {
    return Cp1251FromUtf8(utf8).text;
}

} // namespace mcb
