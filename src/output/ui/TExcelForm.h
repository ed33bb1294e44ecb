// The export window "Экспорт в Excel": the header, availability and description options, and the
// button that writes the shown table into a workbook. The window is made once and reused, so the
// options stay as the user left them until the program ends.
#pragma once

#include "output/ExportLayout.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace mcb {

class Session;
class Shell;
struct WorkbookReport;

class TExcelForm : public QDialog {
    Q_OBJECT
public:
    TExcelForm(Session& session, Shell& shell, QWidget* parent = nullptr);
    ~TExcelForm() override;

    // Shows the window modally, centred on the screen; the export runs from its button.
    void Execute();
    // The options as the controls show them.
    ExportOptions Options() const;

    QCheckBox* CBHead;
    QCheckBox* dolginfo;
    QGroupBox* GroupBox1;
    QRadioButton* RB1;
    QRadioButton* RB2;
    QRadioButton* RB3;
    QRadioButton* RB4;
    QPushButton* Export;
    QPushButton* Button1;

private:
    QGroupBox* BuildDescriptionGroup();
    void ExportClick();
    ExportResult WriteUnderWaitCursor(const std::string& path, WorkbookReport& report);

    Session& session_;
    Shell& shell_;
};

} // namespace mcb
