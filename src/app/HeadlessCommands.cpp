#include "app/HeadlessCommands.h"

#include "catalogue/ListCommand.h"
#include "discs/DebtorsCommand.h"
#include "output/ExportCommand.h"
#include "output/OutputFile.h"
#include "output/ui/PdfCommand.h"
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

int RunPrint(const HeadlessRun& run) {
    if (run.arguments.size() != 2) {
        run.err << "mirvane-cdbase: после --print нужны файл PDF и файл базы (см. mirvane-cdbase --help)\n";
        return kUsageError;
    }
    const ListRequest table{run.arguments[1], run.programDir + kLayoutFileName, SystemClock().Today()};
    return RunPdfCommand({table, WithOutputExtension(run.arguments[0], ".pdf")}, run.err);
}

const char* const kPrintDetails =
    "Команда --print не требует дисплея и записывает только файл PDF: отчет о каталоге для\n"
    "таблицы, какой ее показывает --list, с параметрами раздела Printer файла настроек (условия\n"
    "отбора, разделительные линии, описания, номера страниц, цвета, шрифт), на листах A4.\n"
    "Файл появляется под своим именем только целиком. Ошибка - код 1, неверные аргументы - код 2.\n";

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

// Dates of the availability texts in the user's short date form, as the window writes them.
int RunExport(const HeadlessRun& run) {
    std::string error;
    const std::optional<ExportArguments> parsed = ParseExportArguments(run.arguments, error);
    if (!parsed) {
        run.err << "mirvane-cdbase: " << error << " (см. mirvane-cdbase --help)\n";
        return kUsageError;
    }
    const ExportRequest request{{parsed->cataloguePath, run.programDir + kLayoutFileName, SystemClock().Today()},
                                WithOutputExtension(parsed->outputPath, ".xlsx"),
                                parsed->options};
    return RunExportCommand(request, QtDateFormat(), run.err);
}

const char* const kExportDetails =
    "Команда --export не требует дисплея и записывает только книгу .xlsx: таблицу в том виде,\n"
    "в каком ее выводит --list, как при экспорте из окна. ПАРАМЕТРЫ (по умолчанию, как в окне\n"
    "экспорта, первой строкой идут заголовки колонок, без колонки наличия и без описаний):\n"
    "  --no-header       без строки заголовков\n"
    "  --availability    колонка \"Наличие диска\"\n"
    "  --description=horizontal|vertical|single|none\n"
    "                    строки описания в ячейки строки, в ячейки столбца, в одну ячейку, нет\n"
    "Книга записывается во временный файл рядом и переименовывается только целой.\n"
    "Нечитаемый файл базы, таблица без дисков и ошибка записи - код 1, неверные аргументы - код 2.\n";

} // namespace

const std::vector<HeadlessCommand>& HeadlessCommands() {
    static const std::vector<HeadlessCommand> commands = {
        {"--list", "--list БАЗА.cbf   вывести таблицу каталога в стандартный вывод (UTF-8)", kListDetails, &RunList},
        {"--print", "--print ОТЧЕТ.pdf БАЗА.cbf   напечатать отчет о каталоге в файл PDF", kPrintDetails, &RunPrint},
        {"--debtors", "--debtors БАЗА.cbf   вывести просроченные долги и письма-напоминания (UTF-8)", kDebtorsDetails,
         &RunDebtors},
        {"--export", "--export КНИГА.xlsx [ПАРАМЕТРЫ] БАЗА.cbf   записать таблицу каталога в книгу .xlsx",
         kExportDetails, &RunExport},
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
