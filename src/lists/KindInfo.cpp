#include "lists/KindInfo.h"

#include "storage/Literal.h"

#include <array>

namespace mcb {

namespace {

std::array<KindInfo, 4> MakeKinds() {
    return {{
        {"Contacts",
         {W("Ф.И.О."), "E-mail", W("Телефон")},
         W("Введите ф.и.о. контакта"),
         W("Исправление контакта"),
         W("контакт"),
         W("контакты"),
         {"Gin", "Oth"}},
        {"Countries",
         {W("Страны")},
         W("Введите новую страну"),
         W("Исправление страны"),
         W("страну"),
         W("страны"),
         {"Cou"}},
        {"Genres", {W("Жанры")}, W("Введите новый жанр"), W("Исправление жанра"), W("жанр"), W("жанры"), {"Gen"}},
        {"Company",
         {W("Компании-производители")},
         W("Введите новую компанию-производителя"),
         W("Исправление компании"),
         W("компанию-производителя"),
         W("компании-производители"),
         {"Comp"}},
    }};
}

} // namespace

const KindInfo& Info(DictKind kind) {
    static const std::array<KindInfo, 4> kinds = MakeKinds();
    return kinds[static_cast<std::size_t>(kind)];
}

} // namespace mcb
