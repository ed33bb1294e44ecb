// The mapping window "Импорт дисков": each column of the chosen spreadsheet with the disc field it
// will fill, preset from its heading and chosen from a list, and a preview of the first rows.
#pragma once

#include "output/ImportFields.h"
#include "output/SheetRows.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace mcb {

class Prompts;

class TImportForm : public QDialog {
    Q_OBJECT
public:
    // `rows` must hold the heading row.
    TImportForm(const std::vector<SheetRow>& rows, const TableLayout& layout, const QString& fileName, Prompts& prompts,
                QWidget* parent = nullptr);

    // The field of each column as the choice lists show them.
    std::vector<ImportField> Mapping() const;

    QLabel* FileLabel;
    QTableWidget* ColumnGrid;  // column, heading, field
    QTableWidget* PreviewGrid; // the first rows under the headings
    QPushButton* ImportButton;
    QPushButton* CancelButton;

private:
    void BuildColumns(const std::vector<std::string>& headings, const TableLayout& layout);
    void BuildPreview(const std::vector<SheetRow>& rows, const std::vector<std::string>& headings);
    void ImportClick();

    Prompts& prompts_;
    std::vector<QComboBox*> fields_;
};

} // namespace mcb
