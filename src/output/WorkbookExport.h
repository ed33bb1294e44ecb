// The export window's work, free of screen code: whether there is anything to export, the name of
// the workbook, writing it, and handing it to the user's spreadsheet program.
#pragma once

#include "output/ExportLayout.h"

#include <optional>
#include <string>

namespace mcb {

class Prompts;
class Shell;

// False after "Нет данных для экспорта" when the table shows no disc.
bool CheckSomethingToExport(const CatalogueTable& table, Prompts& prompts);

// The save dialog, proposing the catalogue's name with ".xlsx" in its folder. A name not ending in
// ".xlsx" gets it; the dialog asked about replacing the name as typed, so replacing an existing file
// under the name so made is asked here. Nothing when cancelled, or after saying why the name may
// not be written (OutputRefusal).
std::optional<std::string> ChooseWorkbookPath(Prompts& prompts, const std::string& baseFileName);

// Writes the workbook under `path`. Done: the workbook is in place. Failed (`failure` says why,
// Windows-1251) or Cancelled by the progress: nothing is left under the path, an old file there is
// untouched.
ExportResult WriteWorkbook(const ExportSource& source, const ExportOptions& options, const std::string& path,
                           std::string& failure, const ExportProgress& progress = {});

// The error text of a workbook that could not be written, naming the file.
std::string WorkbookFailureText(const std::string& path, const std::string& reason);

// Opens the written workbook with the user's spreadsheet program, then says "Экспорт завершен.";
// when no program opens it, the message also says where the file is.
void ShowWorkbook(const std::string& path, Shell& shell, Prompts& prompts);

// The "file://" link of an absolute native path, percent-encoded.
std::string FileLink(const std::string& path);

} // namespace mcb
