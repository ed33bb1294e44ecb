// The catalogue window's table: rebuilding and showing it, the sort order, and the columns' widths
// and toggles.
#include "catalogue/MainWindowRules.h"
#include "catalogue/TableTexts.h"
#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/ColumnToolBar.h"
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableHeader.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/QtText.h"

#include <QHeaderView>

namespace mcb {

void TMainForm::RebuildTable() {
    const int remembered = table_->currentIndex().row();
    model_->Refresh([this] { session_.RebuildTable(); });
    ShowTable(remembered >= 0 && remembered < model_->rowCount() ? remembered : 0);
}

void TMainForm::ShowTable(int selectRow) {
    model_->SetHeadings(Headings());
    table_->SelectRow(selectRow);
    CheckSortItem(commands_, session_.settings().setup.SortOrder);
    setWindowTitle(ToQ(session_.caption()));
    std::array<QString, 4> counters;
    const auto texts = CounterTexts(session_.table().counters);
    for (size_t i = 0; i < counters.size(); ++i) counters[i] = ToQ(texts[i]);
    infoPan_->SetCounters(counters);
    panelWidth_ = FitInfoPanelWidth(width(), panelWidth_, infoPan_->minimumWidth());
    ApplyPanelWidth();
    emit tableRebuilt();
}

QStringList TMainForm::Headings() const {
    QStringList headings;
    for (const std::string& heading : HeadingRow(session_.layout(), session_.settings().setup.SortOrder))
        headings << ToQ(heading);
    return headings;
}

void TMainForm::SetSortOrder(int order) {
    int& sortOrder = session_.settings().setup.SortOrder;
    if (order == sortOrder) return;
    sortOrder = order;
    RebuildTable();
}

void TMainForm::HeadingReleased(int column, int dx, int dy) {
    switch (ClassifyHeadingRelease(column, session_.settings().setup.SortOrder, dx, dy)) {
    case HeadingRelease::Sort:
        SetSortOrder(column);
        break;
    case HeadingRelease::KeepHiddenHidden:
        for (int k = 0; k < kColumnCount; ++k)
            if (!columns_->shown(k)) table_->horizontalHeader()->resizeSection(k, 0);
        break;
    case HeadingRelease::Nothing:
        break;
    }
}

void TMainForm::ApplyColumnSettings(int tableWidth) {
    columns_.emplace(tableWidth, session_.settings().mainTableWidths);
    QStringList hints;
    for (const std::string& heading : session_.layout().headers) hints << ToQ(heading);
    columnBar_->SetHeadings(hints);
    for (int k = 0; k < kColumnCount; ++k) {
        table_->horizontalHeader()->resizeSection(k, columns_->initial()[k]);
        columnBar_->SetShown(k, columns_->shown(k));
    }
}

void TMainForm::ToggleColumn(int column) {
    const int width = columns_->Toggle(column, table_->horizontalHeader()->sectionSize(column));
    table_->horizontalHeader()->resizeSection(column, width);
    columnBar_->SetShown(column, columns_->shown(column));
}

ColumnWidthArray TMainForm::CurrentWidths() const {
    ColumnWidthArray widths{};
    for (int k = 0; k < kColumnCount; ++k) widths[k] = table_->horizontalHeader()->sectionSize(k);
    return widths;
}

} // namespace mcb
