// The catalogue table as a Qt model: the rows of the last table build (texts converted only when
// shown) and the heading row. The rows belong to the session; the model only reads them.
#pragma once

#include "catalogue/LiveTable.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace mcb {

class CatalogueTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // True for a row whose disc is lent.
    static constexpr int LentRole = Qt::UserRole + 1;

    explicit CatalogueTableModel(const ShownRows& rows, QObject* parent = nullptr);

    // Runs a change of the underlying rows (a table build) with the views told to start afresh.
    void Refresh(const std::function<void()>& change);
    void SetHeadings(const QStringList& headings);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ShownRows& rows_;
    QStringList headings_;
};

} // namespace mcb
