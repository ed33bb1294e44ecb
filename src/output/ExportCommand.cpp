#include "output/ExportCommand.h"

#include "catalogue/CommandTable.h"
#include "catalogue/TableTexts.h"
#include "output/OutputFile.h"
#include "output/WorkbookExport.h"
#include "storage/TextCodec.h"

#include <array>
#include <ostream>
#include <utility>

namespace mcb {

namespace {

constexpr std::string_view kDescriptionOption = "--description=";

const std::array<std::pair<std::string_view, DescriptionLayout>, 4> kDescriptionNames{{
    {"horizontal", DescriptionLayout::Horizontal},
    {"vertical", DescriptionLayout::Vertical},
    {"single", DescriptionLayout::SingleCell},
    {"none", DescriptionLayout::None},
}};

bool ApplyDescription(std::string_view name, ExportOptions& options) {
    for (const auto& [known, layout] : kDescriptionNames) {
        if (name != known) continue;
        options.description = layout;
        return true;
    }
    return false;
}

// False for an option that is not ours.
bool ApplyOption(const std::string& arg, ExportOptions& options) {
    if (arg == "--no-header") {
        options.header = false;
        return true;
    }
    if (arg == "--availability") {
        options.availability = true;
        return true;
    }
    return arg.starts_with(kDescriptionOption) && ApplyDescription(arg.substr(kDescriptionOption.size()), options);
}

int Fail(std::ostream& err, const std::string& message) {
    err << "mirvane-cdbase: " << message << '\n';
    return 1;
}

} // namespace

std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args, std::string& error) {
    ExportArguments parsed;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg.starts_with("--") && !files.empty()) {
            if (ApplyOption(arg, parsed.options)) continue;
            error = "неизвестный параметр экспорта " + arg;
            return std::nullopt;
        }
        files.push_back(arg);
    }
    if (files.size() != 2) {
        error = "после --export нужны файл книги .xlsx и файл базы";
        return std::nullopt;
    }
    parsed.outputPath = files[0];
    parsed.cataloguePath = files[1];
    return parsed;
}

int RunExportCommand(const ExportRequest& request, const DateFormat& dates, std::ostream& err) {
    if (const std::optional<UserText> refusal = OutputRefusal(request.outputPath, request.table.cataloguePath))
        return Fail(err, refusal->Utf8());
    const std::optional<CommandTable> loaded = LoadCommandTable(request.table, err);
    if (!loaded) return 1;
    if (NothingToExport(loaded->table))
        return Fail(err, "нет данных для экспорта в базе " + request.table.cataloguePath);
    const auto headings = HeadingRow(loaded->layout, loaded->settings.setup.SortOrder);
    const ExportSource source{headings, loaded->table, *loaded->catalogue, dates};
    std::string failure;
    if (WriteWorkbook(source, request.options, request.outputPath, failure) == ExportResult::Done) return 0;
    return Fail(err, "не удалось записать файл " + request.outputPath + ": " + Utf8FromCp1251(failure));
}

} // namespace mcb
