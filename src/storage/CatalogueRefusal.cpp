#include "storage/CatalogueFormat.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

namespace mcb {

std::optional<UserText> CatalogueRefusal(const TIniFile& file) {
    const UserText kept = W(" Файл оставлен без изменений.");
    if (file.Loaded() == ReadState::Failed)
        return W("Не удается прочитать файл базы ") + UserText::Path(file.FileName()) + "." + kept;
    if (file.WithoutSections())
        return W("Файл ") + UserText::Path(file.FileName()) + W(" не является файлом базы данных.") + kept;
    return std::nullopt;
}

} // namespace mcb
