// The print window "Печать базы": printer, printing font and the report's options, then "Печать"
// runs the catalogue report or the sheet of one disc. The window lives as long as the main window;
// each opening reloads the "Printer" section of the settings file, and each closing, whichever way,
// writes it back.
#pragma once

#include "output/PrintWindowRules.h"
#include "platform/Services.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace mcb {

class ColourSwatch;
class Session;

class TPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintForm(Session& session, QWidget* parent = nullptr);
    ~TPrintForm() override;

    // Opens the window for the job (the disc sheet prints `discId`) and shows it modally; true when it
    // closed with "Печать". `running` are the main window's running table colours, which the colour
    // swatches change at once through runningColoursChanged.
    bool Execute(PrintMode mode, const std::string& discId, const RunningColours& running);
    // Fills the window for the job without showing it.
    void Open(PrintMode mode, const std::string& discId, const RunningColours& running);

    std::function<void(const RunningColours&)> runningColoursChanged;
    // The printer dialog of "Настроить принтер"; tests replace it.
    std::function<void(QPrinter&)> printerSetup;

    QPrinter& printer() { return *printer_; }
    // The printer's name as the window shows it ("Файл PDF" for the file printer).
    std::string PrinterName() const;
    const FontChoice& font() const { return font_; }
    // The options as the controls show them, with the font.
    PrinterSettings Options() const;

    void done(int result) override;

    QGroupBox* GroupBox1;
    QLabel* PrnLabel;
    QPushButton* BtPrSetup;
    QGroupBox* GroupBox2;
    QLabel* FontLabel;
    QPushButton* BtFntSetup;
    QGroupBox* PrintBaseGroup;
    QCheckBox* CBFilter;
    QCheckBox* CBLine;
    QCheckBox* CBDiskInfo;
    QCheckBox* CBPageNum;
    QCheckBox* CBColorPrint;
    QGroupBox* GBColPrint;
    QCheckBox* CBColBack;
    ColourSwatch* ColBack;
    QCheckBox* CBColNew;
    ColourSwatch* ColNew;
    QCheckBox* CBColInfo;
    ColourSwatch* ColInfo;
    QGroupBox* DiskPrintParameters;
    QRadioButton* StNoCD;
    QRadioButton* StCD1;
    QRadioButton* StCD2;
    QGroupBox* DiskStyleGroup;
    QRadioButton* StNoImg;
    QRadioButton* StImg1;
    QRadioButton* StImg2;
    QCheckBox* StImgFields;
    QCheckBox* StTitles;
    QCheckBox* StNfo;
    QCheckBox* StLines;
    QGroupBox* DiskPreView;
    QLabel* PreV;
    QPushButton* bbPrint;
    QPushButton* bbCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void BuildReportGroups();
    void BuildSheetGroups();
    void FitCaptions();
    void FormActivate();
    void ShowPrinterName();
    void BtPrSetupClick();
    void BtFntSetupClick();
    void ComposeFontCaption();
    void ColourInterlock();
    void SwatchClick(Swatch swatch);
    void FormatChoice(QRadioButton* chosen);
    void DrawPreview();
    void bbPrintClick();
    void FormClose();

    Session& session_;
    Prompts& prompts_;
    std::unique_ptr<QPrinter> printer_;
    PrintMode mode_ = PrintMode::CatalogueReport;
    std::string discId_;
    FontChoice font_;
    RunningColours running_;
};

} // namespace mcb
