#include "gen/Vocabulary.h"

#include "storage/Literal.h"

#include <sstream>

namespace mcb::gen {

namespace {

std::vector<std::string> Split(const char* utf8, char separator) {
    std::vector<std::string> items;
    std::istringstream in(W(utf8));
    for (std::string item; std::getline(in, item, separator);) items.push_back(item);
    return items;
}

Vocabulary Build() {
    Vocabulary v;
    v.russianWords = Split("война мир ночь день дорога дом город море небо звезда лето зима осень весна любовь "
                           "время тайна огонь ветер река сердце жизнь песня дождь солнце луна остров берег путь сон",
                           ' ');
    v.latinWords = Split("night day road home city sea sky star summer winter love time secret fire wind river "
                         "heart life song rain sun moon island shore way dream matrix alien king queen",
                         ' ');
    v.genres = Split("Комедия,Драма,Боевик,Фантастика,Мультфильм,Документальный,Ужасы,Мелодрама,Рок,Джаз,"
                     "Классика,Поп",
                     ',');
    v.countries = Split("Россия,США,Франция,Италия,Германия,Великобритания,Япония,Индия,СССР", ',');
    v.companies = Split("Мосфильм,Ленфильм,Warner Bros,Paramount,Gaumont,Toho,Universal,Columbia", ',');
    v.people = Split("Иванов Иван,Петров Пётр,Сидорова Анна,Smith John,Кузнецов Олег,Ёлкина Вера,Орлов Павел,"
                     "Миронова Ольга,Brown Alice,Зайцев Артём",
                     ',');
    return v;
}

} // namespace

const Vocabulary& Words() {
    static const Vocabulary words = Build();
    return words;
}

} // namespace mcb::gen
