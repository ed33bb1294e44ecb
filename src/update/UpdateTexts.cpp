#include "update/UpdateTexts.h"

#include "storage/Literal.h"

namespace mcb {

std::string NoCheckCaption() {
    return W("Не проверять в дальнейшем");
}

std::vector<std::string> ExplanationLines() {
    return {W("Проверить наличие новой версии программы ?"), W("(Необходимо подключение к интернету)"), "",
            W("Данная проверка производится автоматически раз в 21 день. Что бы отказаться от автоматической "
              "проверки наличия новой версии - поставьте галочку \"") +
                NoCheckCaption() + W("\". Проверить наличие новой версии можно нажав в меню"),
            W("СПРАВКА | ПРОВЕРИТЬ НАЛИЧИЕ НОВОЙ ВЕРСИИ")};
}

std::string LoadingLine() {
    return W("Загрузка информации о новых версиях...");
}

std::string NoConnectionLine() {
    return W("Нет подключения к интернету.");
}

std::vector<std::string> FailureLines(const std::string& site) {
    return {W("Ошибка загрузки ..."), "", W("Последнюю версию программы можно скачать"), W("с нашего сайта ") + site,
            W("из раздела SOFT")};
}

std::vector<std::string> FoundHeadLines() {
    return {W("Найдена новая версия программы."), W("Изменения в новой версии:"), ""};
}

std::vector<std::string> FoundTailLines(const std::string& lastVersion) {
    return {"-------------------", W("Такие изменения в версии Mirvane CD Base ") + lastVersion,
            W("Скачать новую версию ?")};
}

std::string NotFoundLine() {
    return W("Новой версии не найдено.");
}

std::string DownloadOfferMessage() {
    return W("Сейчас будет начата закачка пакета новой версии программы. После окончания закачки закройте "
             "программу Mirvane CD Base и установите скачанный пакет программой установки пакетов вашей системы.");
}

} // namespace mcb
