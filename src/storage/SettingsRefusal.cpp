#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

namespace mcb {

std::optional<UserText> SettingsRefusal(const TIniFile& file) {
    const UserText unsaved = W(" Программа работает с настройками по умолчанию; изменения настроек не будут "
                               "сохранены, файл останется без изменений.");
    if (file.Loaded() == ReadState::Failed)
        return W("Не удается прочитать файл настроек ") + UserText::Path(file.FileName()) + "." + unsaved;
    if (file.WithoutSections())
        return W("Файл ") + UserText::Path(file.FileName()) + W(" не является файлом настроек.") + unsaved;
    return std::nullopt;
}

} // namespace mcb
