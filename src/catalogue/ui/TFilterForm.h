// The filter dialog "Отбор": edits the one set of filter criteria. The index lists are stored in
// the record as soon as they are chosen or cleared; the other criteria when the dialog closes.
#pragma once

#include "lists/DictTypes.h"
#include "storage/Settings.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mcb {

class TIniFile;
class Prompts;

struct FilterEnvironment {
    FilterCriteria& criteria;
    const TIniFile& catalogue; // names of the chosen entries
    int truncate;              // "Truncate": names cut to this many characters when above 0
    ListPicker& picker;
    Prompts& prompts;
};

class TFilterForm : public QDialog {
    Q_OBJECT
public:
    explicit TFilterForm(QWidget* parent = nullptr);
    ~TFilterForm() override;

    // Sets the controls from the criteria and clears the changed flag.
    void Open(const FilterEnvironment& environment);
    // Open, then shown modally; true when the table must be rebuilt.
    bool Execute(const FilterEnvironment& environment);
    bool changed() const { return changed_; }

    void done(int result) override;

    QCheckBox* FiChNal;
    QCheckBox* FiChDolg;
    QLabel* DolgLabel;
    QLineEdit* FiDolList;
    QPushButton* FiSelDol;
    QLineEdit* FiNaz;
    QCheckBox* FiSubNaz;
    QLineEdit* FiGenLst;
    QPushButton* FiSelGen;
    std::array<QCheckBox*, 4> FiAu;
    QLineEdit* FiCountList;
    QPushButton* FiSelCount;
    QLineEdit* FiCompList;
    QPushButton* FiSelComp;
    QRadioButton* RbPri1;
    QRadioButton* RbPri2;
    QRadioButton* RbPri3;
    QPushButton* BtClear;
    QPushButton* BtClose;

private:
    struct IndexList {
        DictKind kind;
        std::string FilterCriteria::*list;
        QLineEdit* display;
    };

    QWidget* BuildAvailability();
    QWidget* BuildDescription();
    QWidget* BuildOwnership();
    void ConnectControls();
    std::array<IndexList, 4> Lists() const;

    void ShowList(const IndexList& list);
    void ChooseList(const IndexList& list);
    void AvailabilityClick(QCheckBox* clicked, QCheckBox* partner);
    void AudienceClick(int k);
    void RefreshDebtors();
    void BtClearClick();
    void Touch() { changed_ = true; }

    std::optional<FilterEnvironment> environment_;
    bool changed_ = false;
};

} // namespace mcb
