// The catalogue window's table: rebuilding and showing it, the sort order, and the columns' widths
// and toggles.
#include "catalogue/MainWindowRules.h"
#include "catalogue/TableRows.h"
#include "catalogue/TableTexts.h"
#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/CellPainter.h"
#include "catalogue/ui/ColumnToolBar.h"
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableHeader.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/QtText.h"

#include <QFontMetricsF>
#include <QHeaderView>

namespace mcb {

namespace {

// Room for identifiers of that many digits, whichever digits they are, in bold as lent discs are.
int IdentifierRoom(std::size_t digits, const QFont& tableFont) {
    QFont bold = tableFont;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    return CellWidthToShow(QString(static_cast<qsizetype>(digits), widest), metrics);
}

} // namespace

void TMainForm::RebuildTable() {
    RebuildTable(CurrentDiscId());
}

void TMainForm::RebuildTable(const std::string& currentDisc) {
    const int remembered = table_->currentIndex().row();
    model_->Refresh([this] { session_.RebuildTable(); });
    ShowTable(RowAfterRebuild(session_.table(), currentDisc, remembered));
}

void TMainForm::ShowTable(int selectRow) {
    table_->colours().dolgColor = session_.settings().setup.DolgColor; // the settings dialog may change it
    model_->SetHeadings(Headings());
    table_->SelectRow(selectRow);
    CheckSortItem(commands_, session_.settings().setup.SortOrder);
    setWindowTitle(ToQ(session_.caption()));
    std::array<QString, 4> counters;
    const auto texts = CounterTexts(session_.table().counters);
    for (size_t i = 0; i < counters.size(); ++i) counters[i] = ToQ(texts[i]);
    infoPan_->SetCounters(counters);
    FitIdentifierColumn();
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
    const double scale = FontScale(QFontMetricsF(table_->font()).averageCharWidth());
    QStringList hints;
    ColumnWidthArray headingRoom{};
    for (int k = 0; k < kColumnCount; ++k) {
        hints << ToQ(session_.layout().headers[k]);
        headingRoom[k] = HeadingWidthToShow(hints.back(), table_->horizontalHeader()->font());
    }
    columns_.emplace(tableWidth, session_.settings().mainTableWidths, scale, headingRoom);
    columnBar_->SetHeadings(hints);
    for (int k = 0; k < kColumnCount; ++k) {
        table_->horizontalHeader()->resizeSection(k, columns_->initial()[k]);
        columnBar_->SetShown(k, columns_->shown(k));
    }
}

void TMainForm::FitIdentifierColumn() {
    const int needed = IdentifierRoom(LongestIdentifier(session_.table()), table_->font());
    QHeaderView* header = table_->horizontalHeader();
    if (const auto width = columns_->WidenForIdentifiers(header->sectionSize(0), needed))
        header->resizeSection(0, *width);
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
