#include "app/HeadlessCommands.h"

#include "catalogue/ListCommand.h"
#include "platform/posix/SystemClock.h"
#include "storage/Layout.h"

#include <ostream>

namespace mcb {

namespace {

constexpr int kUsageError = 2;

int RunList(const HeadlessRun& run) {
    if (run.arguments.size() != 1) {
        run.err << "mirvane-cdbase: после --list нужен ровно один файл базы (см. mirvane-cdbase --help)\n";
        return kUsageError;
    }
    const ListRequest request{run.arguments[0], run.programDir + kLayoutFileName, SystemClock().Today()};
    return RunListCommand(request, run.out, run.err);
}

const char* const kListDetails =
    "Команда --list не требует дисплея и ничего не записывает. Таблица строится так же, как\n"
    "при запуске окна: отбор и порядок сортировки берутся из файла настроек MirvaneCDB.ini,\n"
    "заголовки колонок и носители - из fields.ini рядом с программой. Выводятся строка\n"
    "заголовков (колонка сортировки помечена \"#  \"), по строке на каждый показанный диск\n"
    "(ячейки разделены табуляцией), пустая строка и четыре строки счетчиков.\n"
    "Несуществующий файл базы выводится как пустая база (с предупреждением, код 0);\n"
    "нечитаемый файл - ошибка (код 1). Неверные аргументы - код 2.\n";

} // namespace

const std::vector<HeadlessCommand>& HeadlessCommands() {
    static const std::vector<HeadlessCommand> commands = {
        {"--list", "--list БАЗА.cbf   вывести таблицу каталога в стандартный вывод (UTF-8)", kListDetails, &RunList},
    };
    return commands;
}

const HeadlessCommand* FindHeadlessCommand(const std::string& option) {
    for (const HeadlessCommand& command : HeadlessCommands())
        if (option == command.option) return &command;
    return nullptr;
}

std::string CommandLineHelp() {
    std::string help = "Использование:\n"
                       "  mirvane-cdbase [БАЗА.cbf]   открыть каталог дисков в окне программы\n";
    for (const HeadlessCommand& command : HeadlessCommands())
        help.append("  mirvane-cdbase ").append(command.usage).append("\n");
    help += "  mirvane-cdbase --help       показать эту справку\n";
    for (const HeadlessCommand& command : HeadlessCommands())
        if (*command.details) help.append("\n").append(command.details);
    return help;
}

} // namespace mcb
