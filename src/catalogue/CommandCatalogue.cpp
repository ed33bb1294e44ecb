#include "catalogue/CommandCatalogue.h"

#include "storage/CatalogueFormat.h"
#include "storage/TextCodec.h"

#include <optional>
#include <ostream>

namespace mcb {

// The engine would look for a name without a directory in the settings directory. Opened for
// reading only: the engine writes a file back only after a change.
std::unique_ptr<const TIniFile> OpenCommandCatalogue(const std::string& named, std::ostream& err) {
    auto catalogue = std::make_unique<const TIniFile>(named.find('/') == std::string::npos ? "./" + named : named);
    if (const std::optional<UserText> refusal = CatalogueRefusal(*catalogue)) {
        err << "mirvane-cdbase: " << refusal->Utf8() << '\n';
        return nullptr;
    }
    if (catalogue->Loaded() == ReadState::Missing)
        err << "mirvane-cdbase: файл базы " << named << " не найден, показана пустая база\n";
    return catalogue;
}

std::string PrintableUtf8(std::string cell) {
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return Utf8FromCp1251(cell);
}

} // namespace mcb
