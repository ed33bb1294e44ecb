#include "output/ui/TPrintForm.h"

#include "catalogue/Session.h"
#include "output/PrintFont.h"
#include "output/PrintJob.h"
#include "output/ui/ColourSwatch.h"
#include "output/ui/PrintRun.h"
#include "output/ui/QtPrintCanvas.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

namespace mcb {

namespace {

constexpr int kPrintHelpTopic = 2;

// The system's default printer; without any, the file printer.
std::unique_ptr<QPrinter> StartingPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (info.isNull()) printer->setOutputFormat(QPrinter::PdfFormat);
    return printer;
}

void RunPrinterDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    RunModal(dialog);
}

void SetLabelLook(QLabel* label, bool alarm) {
    QFont font = label->font();
    font.setBold(alarm);
    font.setUnderline(alarm);
    label->setFont(font);
    label->setStyleSheet(alarm ? "color: #ff0000" : "");
}

QString CataloguePdfName(const std::string& catalogue) {
    const QString path = PathToQ(catalogue);
    const int dot = path.lastIndexOf('.');
    return (dot > path.lastIndexOf('/') ? path.left(dot) : path) + ".pdf";
}

} // namespace

TPrintForm::TPrintForm(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(session.services().prompts), printer_(StartingPrinter()) {
    BuildControls();
    printerSetup = [this](QPrinter& printer) { RunPrinterDialog(printer, this); };
    connect(BtPrSetup, &QPushButton::clicked, this, &TPrintForm::BtPrSetupClick);
    connect(BtFntSetup, &QPushButton::clicked, this, &TPrintForm::BtFntSetupClick);
    for (QCheckBox* box : {CBColorPrint, CBColBack, CBColNew, CBColInfo})
        connect(box, &QCheckBox::toggled, this, &TPrintForm::ColourInterlock);
    connect(ColBack, &ColourSwatch::clicked, this, [this] { SwatchClick(Swatch::Back); });
    connect(ColNew, &ColourSwatch::clicked, this, [this] { SwatchClick(Swatch::New); });
    connect(ColInfo, &ColourSwatch::clicked, this, [this] { SwatchClick(Swatch::Info); });
    for (QRadioButton* format : {StNoCD, StCD1, StCD2})
        connect(format, &QRadioButton::clicked, this, [this, format] { FormatChoice(format); });
    connect(bbPrint, &QPushButton::clicked, this, &TPrintForm::bbPrintClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TPrintForm::~TPrintForm() = default;

bool TPrintForm::Execute(PrintMode mode, const std::string& discId, const RunningColours& running) {
    Open(mode, discId, running);
    return RunModal(*this) == QDialog::Accepted;
}

void TPrintForm::Open(PrintMode mode, const std::string& discId, const RunningColours& running) {
    mode_ = mode;
    discId_ = discId;
    running_ = running;
    FormActivate();
}

std::string TPrintForm::PrinterName() const {
    if (printer_->outputFormat() == QPrinter::PdfFormat) return PdfPrinterName();
    return FromQ(printer_->printerName());
}

// The file printer is always there, so a machine without printers still opens the window in full.
void TPrintForm::FormActivate() {
    const bool report = mode_ == PrintMode::CatalogueReport;
    for (QWidget* group : {static_cast<QWidget*>(GBColPrint), static_cast<QWidget*>(PrintBaseGroup)})
        group->setVisible(report);
    for (QWidget* group : {DiskPrintParameters, DiskStyleGroup, DiskPreView}) group->setVisible(!report);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    SetLabelLook(PrnLabel, true);
    PrnLabel->setText(ToQ(PrinterUnavailableCaption()));
    const PrinterSettings saved = ReadPrinterSettings(TIniFile(kSettingsFileName));
    CBFilter->setChecked(saved.PrintFilter);
    CBLine->setChecked(saved.PrintSeparator);
    CBDiskInfo->setChecked(saved.PrintInfo);
    CBPageNum->setChecked(saved.PrintPageNums);
    QApplication::processEvents(); // the red caption shows while the printer is asked
    SetLabelLook(PrnLabel, false);
    ShowPrinterName();
    QApplication::restoreOverrideCursor();

    const PrintFont font = ChoosePrintFont(saved, QtPrinterFonts());
    font_ = {font.name, font.size};
    ComposeFontCaption();

    CBColorPrint->setChecked(saved.EnabledColorPrint);
    CBColNew->setChecked(saved.EnabledNewColor);
    CBColInfo->setChecked(saved.EnabledInfoColor);
    CBColBack->setChecked(saved.EnabledBackColor);
    ColBack->SetColour(saved.BackColor);
    ColNew->SetColour(saved.NewColor);
    ColInfo->SetColour(saved.InfoColor);
    ColourInterlock();
    if (!report) {
        StNoCD->setChecked(true);
        DrawPreview();
    }
}

void TPrintForm::ShowPrinterName() {
    PrnLabel->setText(ToQ(PrinterCaption(PrinterName())));
}

void TPrintForm::BtPrSetupClick() {
    printerSetup(*printer_);
    ShowPrinterName();
}

void TPrintForm::BtFntSetupClick() {
    if (const std::optional<FontChoice> chosen = prompts_.ChooseFont(font_, kSmallestFontSize, kLargestFontSize))
        font_ = *chosen;
    ComposeFontCaption();
}

// Shown in the font itself, at the largest size whose line is at most 14 pixels high.
void TPrintForm::ComposeFontCaption() {
    FontLabel->setText(ToQ(FontCaption(font_.family, font_.points)));
    QFont font(ToQ(font_.family));
    int size = 4;
    for (; size < 72; ++size) {
        font.setPointSize(size);
        if (QFontMetrics(font).height() > 14) break;
    }
    font.setPointSize(std::max(1, size - 1));
    FontLabel->setFont(font);
}

void TPrintForm::ColourInterlock() {
    const ColourControls controls = mcb::ColourInterlock(Options());
    for (QCheckBox* box : {CBColNew, CBColInfo, CBColBack}) box->setEnabled(controls.subOptionsEnabled);
    ColNew->setEnabled(controls.newSwatch);
    ColInfo->setEnabled(controls.infoSwatch);
    ColBack->setEnabled(controls.backSwatch);
}

void TPrintForm::SwatchClick(Swatch swatch) {
    ColourSwatch* control = swatch == Swatch::Back ? ColBack : swatch == Swatch::New ? ColNew : ColInfo;
    PrinterSettings options = Options();
    ApplySwatchChoice(swatch, prompts_.ChooseColour(control->colour()), options, running_);
    ColBack->SetColour(options.BackColor);
    ColNew->SetColour(options.NewColor);
    ColInfo->SetColour(options.InfoColor);
    if (swatch != Swatch::Back && runningColoursChanged) runningColoursChanged(running_);
}

void TPrintForm::FormatChoice(QRadioButton* chosen) {
    if (chosen != StNoCD) {
        prompts_.Message(FormatApology());
        StNoCD->setChecked(true);
        StNoCD->setFocus();
    }
    DiskStyleGroup->setEnabled(!StNoCD->isChecked());
    DrawPreview();
}

PrinterSettings TPrintForm::Options() const {
    PrinterSettings o;
    o.PrintFilter = CBFilter->isChecked();
    o.PrintSeparator = CBLine->isChecked();
    o.PrintInfo = CBDiskInfo->isChecked();
    o.PrintPageNums = CBPageNum->isChecked();
    o.Font = font_.family;
    o.FontSize = font_.points;
    o.EnabledColorPrint = CBColorPrint->isChecked();
    o.EnabledNewColor = CBColNew->isChecked();
    o.EnabledInfoColor = CBColInfo->isChecked();
    o.EnabledBackColor = CBColBack->isChecked();
    o.BackColor = ColBack->colour();
    o.NewColor = ColNew->colour();
    o.InfoColor = ColInfo->colour();
    return o;
}

void TPrintForm::bbPrintClick() {
    const PrinterSettings options = Options();
    const PrintFont font{font_.family, font_.points};
    const PrintRunContext context{this, *printer_, prompts_, PathFromQ(CataloguePdfName(session_.baseFileName())),
                                  session_.baseFileName()};
    const TIniFile& catalogue = session_.catalogue();
    bool ran = false;
    if (mode_ == PrintMode::CatalogueReport) {
        SessionServices& services = session_.services();
        const ReportSources sources{session_.table(), catalogue,      session_.settings().filter,
                                    options,          services.clock, services.dateFormat};
        ran = RunCatalogueReport(context, font, sources);
    } else {
        const SheetSources sources{session_.table(), discId_, session_.layout().headers, catalogue};
        ran = RunDiscSheet(context, font, sources);
    }
    if (ran) accept();
}

void TPrintForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

// Whichever way the window closes, the options go to the settings file.
void TPrintForm::FormClose() {
    TIniFile settings(kSettingsFileName);
    WritePrinterSettings(settings, Options());
    settings.UpdateFile();
}

void TPrintForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (!ShowHelpTopic(this, kPrintHelpTopic)) prompts_.Message(W("Не найден файл справки"));
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mcb
