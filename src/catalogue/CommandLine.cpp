#include "catalogue/CommandLine.h"

namespace mcb {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty()) return line;
    if (args[0] == "--help" || args[0] == "-h") {
        line.mode = CommandLine::Mode::Help;
    } else if (args[0] == "--list") {
        line.mode = args.size() == 2 ? CommandLine::Mode::List : CommandLine::Mode::Error;
        if (args.size() == 2)
            line.catalogue = args[1];
        else
            line.error = "после --list нужен ровно один файл базы";
    } else if (args[0][0] != '-') {
        line.catalogue = args[0];
    }
    return line;
}

const char* CommandLineHelp() {
    return "Использование:\n"
           "  mirvane-cdbase [БАЗА.cbf]        открыть каталог дисков в окне программы\n"
           "  mirvane-cdbase --list БАЗА.cbf   вывести таблицу каталога в стандартный вывод (UTF-8)\n"
           "  mirvane-cdbase --help            показать эту справку\n"
           "\n"
           "Команда --list не требует дисплея и ничего не записывает. Таблица строится так же, как\n"
           "при запуске окна: отбор и порядок сортировки берутся из файла настроек MirvaneCDB.ini,\n"
           "заголовки колонок и носители - из fields.ini рядом с программой. Выводятся строка\n"
           "заголовков (колонка сортировки помечена \"#  \"), по строке на каждый показанный диск\n"
           "(ячейки разделены табуляцией), пустая строка и четыре строки счетчиков.\n"
           "Несуществующий файл базы выводится как пустая база (с предупреждением, код 0);\n"
           "нечитаемый файл и файл, не являющийся базой, - ошибка (код 1).\n"
           "Неверные аргументы - код 2.\n";
}

} // namespace mcb
