#include "catalogue/ui/CatalogueTableModel.h"

#include "platform/ShownText.h"
#include "platform/qt/QtText.h"

namespace mcb {

CatalogueTableModel::CatalogueTableModel(const CatalogueTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void CatalogueTableModel::Refresh(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void CatalogueTableModel::SetHeadings(const QStringList& headings) {
    headings_ = headings;
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

int CatalogueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int CatalogueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CatalogueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TableRow& row = table_.rows[index.row()];
    // Every paint asks again: a value of megabytes costs only what a cell can show.
    if (role == Qt::DisplayRole) return ToShownQ(row.cells[index.column()], kShownCellChars, kShownCellChars);
    if (role == LentRole) return row.IsLent();
    return {};
}

QVariant CatalogueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size())
        return {};
    return headings_[section];
}

} // namespace mcb
