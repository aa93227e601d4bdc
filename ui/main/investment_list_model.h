#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "reports/investment_list_rows.h"

namespace brevanta {

// The investments of one portfolio with the chosen columns and the total line, as the row
// builder computed every cell; this model only shows them.
class InvestmentListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Role { HoldingIdRole = Qt::UserRole };  // 0 on the total line

    explicit InvestmentListModel(QObject* parent = nullptr);

    // Both reset the model; callers refill the rows after a change of columns.
    void setColumns(std::vector<ListColumn> columns);
    void setRows(std::vector<InvestmentListRow> rows);

    const std::vector<ListColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    Qt::Alignment alignmentOf(int column) const;

    std::vector<ListColumn> columns_;
    std::vector<InvestmentListRow> rows_;
};

}  // namespace brevanta
