#include "output/WorkbookExport.h"

#include "catalogue/FileNames.h"
#include "output/OutputFile.h"
#include "output/XlsxWorkbook.h"
#include "platform/Services.h"
#include "storage/Literal.h"

#include <filesystem>

namespace mcb {

namespace {

bool IsUnreservedInLink(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/';
}

} // namespace

bool CheckSomethingToExport(const CatalogueTable& table, Prompts& prompts) {
    if (!NothingToExport(table)) return true;
    prompts.Message(W("Нет данных для экспорта"));
    return false;
}

std::optional<std::string> ChooseWorkbookPath(Prompts& prompts, const std::string& baseFileName) {
    FileDialogSpec options{W("Экспорт в Excel"), W("Книга Excel (*.xlsx)") + "|*.xlsx", ""};
    if (!baseFileName.empty()) options.initialPath = WithExtension(baseFileName, ".xlsx");
    const std::optional<std::string> chosen = prompts.SaveFileName(options);
    if (!chosen || chosen->empty()) return std::nullopt;
    const std::string path = AbsolutePath(WithOutputExtension(AbsolutePath(*chosen), ".xlsx"));
    if (SayRefusal(prompts, OutputRefusal(path, baseFileName))) return std::nullopt;
    const bool extended = path != AbsolutePath(*chosen);
    if (extended && std::filesystem::exists(path) &&
        !prompts.Confirm(W("Файл ") + PathToText(path) + W(" уже существует. Заменить ?")))
        return std::nullopt;
    return path;
}

ExportResult WriteWorkbook(const ExportSource& source, const ExportOptions& options, const std::string& path,
                           std::string& failure, const ExportProgress& progress) {
    XlsxWorkbook workbook(path);
    const ExportResult result = ExportTable(source, options, workbook, progress);
    if (result == ExportResult::Done && workbook.Commit()) return result;
    failure = workbook.FailureReason();
    return result == ExportResult::Cancelled ? result : ExportResult::Failed;
}

std::string WorkbookFailureText(const std::string& path, const std::string& reason) {
    return W("Не удалось записать файл ") + PathToText(path) + ": " + reason + ".";
}

void ShowWorkbook(const std::string& path, Shell& shell, Prompts& prompts) {
    if (shell.OpenLink(FileLink(path))) {
        prompts.Message(W("Экспорт завершен."));
        return;
    }
    prompts.Message(W("Экспорт завершен.\n\nКнига сохранена в файле ") + PathToText(path) +
                    W(".\nПрограмма для открытия файлов .xlsx не найдена."));
}

std::string FileLink(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string link = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreservedInLink(byte)) {
            link += c;
        } else {
            link.append(1, '%').append(1, kHex[byte >> 4]).append(1, kHex[byte & 15]);
        }
    }
    return link;
}

} // namespace mcb
