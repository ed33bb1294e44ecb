// The settings dialog "Настройки": shows the program-wide options kept in memory and changes them
// there; the main window writes them when the program closes. Every rule lives in SetupDialog.
#pragma once

#include "lists/SetupDialog.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QListWidget;
class QPushButton;
class QWidget;

namespace mcb {

class Prompts;
class SpinEdit;

class TSetupForm : public QDialog {
    Q_OBJECT
public:
    explicit TSetupForm(Prompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally over the settings in memory; true when the catalogue table must be
    // rebuilt afterwards. However the dialog is closed, what it shows is kept.
    bool Execute(SetupSettings& setup, const TableLayout& layout);
    // Fills the controls from the settings without showing the dialog.
    void Prepare(SetupSettings& setup, const TableLayout& layout);

    QListWidget* LBSort;
    SpinEdit* SEMultiTrunc;
    QCheckBox* EmptyFields;
    QCheckBox* ShowNew;
    SpinEdit* SEShowNew;
    QCheckBox* CBMag;
    QWidget* MagazPan;
    QCheckBox* CBTrunc;
    SpinEdit* SELines;
    std::array<QCheckBox*, 5> eventBoxes; // CBNew, CBEdit, CBDelete, CBGive, CBReturn
    QCheckBox* CBDolg;
    SpinEdit* SEDolg;
    QCheckBox* CBColorDolg;
    QCheckBox* CBBackUp;
    QPushButton* BitBtn1;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* SortGroup();
    QWidget* SelectionGroup();
    QWidget* NewDiscGroup();
    QWidget* JournalGroup();
    QWidget* DebtorGroup();
    QWidget* BackupGroup();
    QCheckBox* CheckBox(const char* name, const QString& caption, QWidget* parent);
    SpinEdit* Spin(const char* name, SpinRange range, QWidget* parent);
    SetupSettings ShownValues() const;

    Prompts& prompts_;
    SetupDialog rules_;
    SetupSettings* setup_ = nullptr;
};

} // namespace mcb
