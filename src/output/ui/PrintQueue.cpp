#include "output/ui/PrintQueue.h"

#include "platform/qt/QtText.h"
#include "storage/Literal.h"

#include <QPrintEngine>
#include <QPrinter>
#include <cups/cups.h>
#include <utility>
#include <vector>

namespace mcb {

namespace {

// Qt's print dialog keeps the printer's own options (name, value, name, value ...) under this key.
constexpr int kCupsOptionsKey = 0xfe00;

using Options = std::vector<std::pair<QByteArray, QByteArray>>;

Options JobOptions(const QPrinter& printer) {
    Options options{{"media", printer.pageLayout().pageSize().key().toUtf8()}};
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (printer.copyCount() > 1) options.emplace_back("copies", QByteArray::number(printer.copyCount()));
    if (printer.copyCount() > 1 && printer.collateCopies()) options.emplace_back("Collate", "True");
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        options.emplace_back("sides", "one-sided");
        break;
    case QPrinter::DuplexAuto:
        options.emplace_back("sides", landscape ? "two-sided-short-edge" : "two-sided-long-edge");
        break;
    case QPrinter::DuplexLongSide:
        options.emplace_back("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options.emplace_back("sides", "two-sided-short-edge");
        break;
    }
    if (landscape) options.emplace_back("landscape", "true");
    const QStringList own =
        printer.printEngine()->property(QPrintEngine::PrintEnginePropertyKey(kCupsOptionsKey)).toStringList();
    for (qsizetype i = 0; i + 1 < own.size(); i += 2) options.emplace_back(own[i].toUtf8(), own[i + 1].toUtf8());
    return options;
}

} // namespace

bool SubmitToQueue(const QPrinter& printer, const std::string& pdfPath, std::string& reason) {
    const Options options = JobOptions(printer);
    std::vector<cups_option_t> cupsOptions;
    for (const auto& [name, value] : options)
        cupsOptions.push_back({const_cast<char*>(name.constData()), const_cast<char*>(value.constData())});
    // The queue knows the printer without the instance part of its name.
    const QByteArray queue = printer.printerName().section('/', 0, 0).toUtf8();
    const QByteArray title = printer.docName().toUtf8();
    const int job = cupsPrintFile(queue.constData(), pdfPath.c_str(), title.constData(), int(cupsOptions.size()),
                                  cupsOptions.data());
    if (job > 0) return true;
    reason = W("Принтер не принял задание: ") + FromQ(QString::fromUtf8(cupsLastErrorString()));
    return false;
}

} // namespace mcb
