#include "app/HeadlessCommands.h"

#include "catalogue/ListCommand.h"
#include "discs/DebtorsCommand.h"
#include "platform/posix/SystemClock.h"
#include "platform/qt/QtServices.h"
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
    "нечитаемый файл и файл, не являющийся базой, - ошибка (код 1). Неверные аргументы - код 2.\n";

// Dates and times in the letters follow the user's locale, as in the window.
int RunDebtors(const HeadlessRun& run) {
    if (run.arguments.size() != 1) {
        run.err << "mirvane-cdbase: после --debtors нужен ровно один файл базы (см. mirvane-cdbase --help)\n";
        return kUsageError;
    }
    const SystemClock clock;
    const QtDateFormat dates;
    return RunDebtorsCommand({run.arguments[0], clock, dates}, run.out, run.err);
}

const char* const kDebtorsDetails =
    "Команда --debtors не требует дисплея и ничего не записывает. Она выводит долги старше\n"
    "DolgDays дней из файла настроек (DolgReminder и отбор не учитываются) так, как их\n"
    "показывает окно \"Должники\": должник, диск, срок долга и e-mail через табуляцию; затем\n"
    "пустую строку и по строке на каждое письмо - ссылку mailto:, которую открыла бы кнопка\n"
    "\"Создать письма\" при всех отмеченных строках (должники без годного адреса пропускаются).\n";

} // namespace

const std::vector<HeadlessCommand>& HeadlessCommands() {
    static const std::vector<HeadlessCommand> commands = {
        {"--list", "--list БАЗА.cbf   вывести таблицу каталога в стандартный вывод (UTF-8)", kListDetails, &RunList},
        {"--debtors", "--debtors БАЗА.cbf   вывести просроченные долги и письма-напоминания (UTF-8)", kDebtorsDetails,
         &RunDebtors},
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
