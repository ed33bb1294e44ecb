#include "output/ui/PrintRun.h"

#include "catalogue/TableRows.h"
#include "output/OutputFile.h"
#include "output/ui/QtPrintCanvas.h"
#include "platform/Services.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <optional>

namespace mcb {

namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The PDF's name: empty for a printer's queue, nothing when the user cancelled or the name was
// refused. The save dialog asks before replacing the name as typed; a name that gets ".pdf" added is
// asked about here.
std::optional<std::string> PdfFileName(const PrintRunContext& context) {
    if (context.printer.outputFormat() != QPrinter::PdfFormat) return std::string();
    const FileDialogSpec dialog{W("Печать в файл PDF"), W("Файл PDF|*.pdf"), context.proposedPdf};
    const std::optional<std::string> chosen = context.prompts.SaveFileName(dialog);
    if (!chosen) return std::nullopt;
    const std::string named = WithOutputExtension(*chosen, ".pdf");
    if (SayRefusal(context.prompts, OutputRefusal(named, context.catalogue))) return std::nullopt;
    if (named != *chosen && QFileInfo::exists(PathToQ(named)) &&
        !context.prompts.Confirm(W("Файл ") + UserText::Path(named) + W(" уже существует. Заменить его?")))
        return std::nullopt;
    return named;
}

// Discs laid out between two looks at the cancel button.
int ProgressStep(int discs) {
    return discs / 200 + 1;
}

// "Нет данных для печати" comes before the file printer asks for a name.
bool NothingToPrint(bool nothing, Prompts& prompts) {
    if (nothing) ShowJobResult({JobOutcome::NothingToPrint, {}}, prompts);
    return nothing;
}

} // namespace

bool RunCatalogueReport(const PrintRunContext& context, const PrintFont& font, const ReportSources& sources) {
    if (NothingToPrint(sources.table.IsEmpty(), context.prompts)) return true;
    const std::optional<std::string> pdf = PdfFileName(context);
    if (!pdf) return false;
    const int discs = int(sources.table.rows.size());
    QProgressDialog progress(QStringLiteral("Подготовка страниц..."), QStringLiteral("Отмена"), 0, discs,
                             context.parent);
    progress.setObjectName("PrintProgress");
    progress.setWindowTitle(QStringLiteral("Печать базы"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    int shownPage = 0;
    const auto report = [&](int done, int page) {
        if (done % ProgressStep(discs) == 0 || page != shownPage) {
            shownPage = page;
            progress.setLabelText(QStringLiteral("Страница %1").arg(page));
            progress.setValue(done);
        }
        return !progress.wasCanceled();
    };
    JobResult result;
    {
        const WaitCursor wait;
        QtPrintCanvas canvas(context.printer, *pdf);
        result = PrintCatalogueReport(canvas, font, sources, report);
    }
    progress.close();
    ShowJobResult(result, context.prompts);
    return true;
}

bool RunDiscSheet(const PrintRunContext& context, const PrintFont& font, const SheetSources& sources) {
    if (NothingToPrint(!FindRow(sources.table, sources.discId), context.prompts)) return true;
    const std::optional<std::string> pdf = PdfFileName(context);
    if (!pdf) return false;
    JobResult result;
    {
        const WaitCursor wait;
        QtPrintCanvas canvas(context.printer, *pdf);
        result = PrintSingleDisc(canvas, font, sources);
    }
    ShowJobResult(result, context.prompts);
    return true;
}

} // namespace mcb
