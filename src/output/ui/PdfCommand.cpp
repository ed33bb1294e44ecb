#include "output/ui/PdfCommand.h"

#include "output/ui/QtPrintCanvas.h"
#include "platform/posix/SystemClock.h"
#include "platform/qt/QtServices.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <clocale>
#include <memory>

namespace mcb {

namespace {

// The toolkit's own notes (a missing runtime folder, font substitutions) are not the command's output.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int PrintPdf(const PrintRequest& request, std::ostream& err) {
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "mirvane-cdbase";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        std::setlocale(LC_NUMERIC, "C"); // the toolkit took it from the environment
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QtPrintCanvas canvas(printer, request.outputPath);
    const QtPrinterFonts fonts;
    return RunPrintCommand(request, {canvas, fonts}, SystemClock(), QtDateFormat(), err);
}

} // namespace

int RunPdfCommand(const PrintRequest& request, std::ostream& err) {
    const QtMessageHandler previous = qInstallMessageHandler(Quiet);
    const int code = PrintPdf(request, err);
    qInstallMessageHandler(previous);
    return code;
}

} // namespace mcb
