#include "discs/DiscsFixture.h"

#include "storage/Literal.h"

#include <sstream>

namespace mcb::test {

void DiscsTest::OpenCatalogue(const std::string& lines) {
    catalogue.reset(); // it writes itself back when destroyed
    std::istringstream in(lines);
    std::string text;
    for (std::string line; std::getline(in, line);) text += line + "\r\n";
    dir.Write("base.cbf", W(text));
    catalogue = std::make_unique<TIniFile>(CataloguePath());
}

} // namespace mcb::test
