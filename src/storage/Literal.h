// Built-in Russian texts are written as UTF-8 in the sources, while the program works with
// Windows-1251 bytes; this turns such a literal into the program's own text.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

// Windows-1251 text of a UTF-8 literal. Meant for the program's own texts, which Windows-1251 can
// always hold.
std::string W(std::string_view utf8);

} // namespace mcb
