#include "storage/CatalogueFormat.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/WriteAccess.h"

namespace mcb {

std::optional<UserText> CatalogueRefusal(const TIniFile& file) {
    const UserText kept = W(" Файл оставлен без изменений.");
    if (file.Loaded() == ReadState::Failed)
        return W("Не удается прочитать файл базы ") + UserText::Path(file.FileName()) + "." + kept;
    if (file.WithoutSections())
        return W("Файл ") + UserText::Path(file.FileName()) + W(" не является файлом базы данных.") + kept;
    return std::nullopt;
}

std::optional<UserText> ReadOnlyRefusal(const TIniFile& file) {
    switch (WriteAccessOf(file.FileName())) {
    case WriteAccess::Writable:
        return std::nullopt;
    case WriteAccess::FileReadOnly:
        return W("База ") + UserText::Path(file.FileName()) +
               W(" открыта только для чтения: у вас нет права записи в этот файл. Изменения базы не будут сохранены.");
    case WriteAccess::FolderReadOnly:
        break;
    }
    return W("У вас нет права записи в папку ") + UserText::Path(SaveFolderOf(file.FileName())) +
           W(", в которой лежит база ") + UserText::Path(file.FileName()) + W(". Изменения базы не будут сохранены.");
}

} // namespace mcb
