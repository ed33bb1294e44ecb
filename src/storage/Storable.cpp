#include "storage/Storable.h"

#include "storage/TextCodec.h"

namespace mcb {

StorableText CheckStorable(std::string_view utf8) {
    Cp1251Result converted = Cp1251FromUtf8(utf8);
    StorableText result{std::move(converted.text), {}};
    for (char32_t c : converted.unstorable) {
        if (!result.unstorable.empty()) result.unstorable += ' ';
        result.unstorable += Utf8FromCodePoint(c);
    }
    return result;
}

std::string UnstorableMessage(StoreTarget target, std::string_view unstorable) {
    const std::string named(unstorable);
    switch (target) {
    case StoreTarget::Journal:
        return "Символы «" + named + "» нельзя сохранить в журнале. Исправьте текст.";
    case StoreTarget::PicturePath:
        return "Путь к картинке содержит символы «" + named +
               "», которые нельзя сохранить в базе. Переименуйте файл или папку.";
    case StoreTarget::Catalogue:
        break;
    }
    return "Символы «" + named + "» нельзя сохранить в базе. Исправьте текст.";
}

} // namespace mcb
