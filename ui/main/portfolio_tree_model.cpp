#include "ui/main/portfolio_tree_model.h"

namespace brevanta {

PortfolioTreeModel::PortfolioTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

PortfolioTreeModel::~PortfolioTreeModel() = default;

void PortfolioTreeModel::setIcons(QIcon portfolioIcon, QIcon filledPortfolioIcon,
                                  QIcon investmentIcon) {
    portfolioIcon_ = std::move(portfolioIcon);
    filledPortfolioIcon_ = std::move(filledPortfolioIcon);
    investmentIcon_ = std::move(investmentIcon);
}

void PortfolioTreeModel::setPortfolios(const std::vector<PortfolioNodeRow>& portfolios) {
    beginResetModel();
    portfolios_.clear();
    for (const PortfolioNodeRow& row : portfolios) {
        auto portfolio = std::make_unique<Portfolio>(
            Portfolio{row.id, QString::fromStdString(row.name), !row.investments.empty(), {}});
        for (const InvestmentNodeRow& investment : row.investments) {
            portfolio->investments.push_back(
                {investment.id, QString::fromStdString(investment.name)});
        }
        portfolios_.push_back(std::move(portfolio));
    }
    endResetModel();
}

QModelIndex PortfolioTreeModel::addPortfolio(float id, const QString& name) {
    const int row = static_cast<int>(portfolios_.size());
    beginInsertRows({}, row, row);
    portfolios_.push_back(std::make_unique<Portfolio>(Portfolio{id, name, false, {}}));
    endInsertRows();
    return index(row, 0);
}

QModelIndex PortfolioTreeModel::addInvestment(const QModelIndex& portfolio, float id,
                                              const QString& name) {
    Q_ASSERT(portfolio.isValid() && !isInvestment(portfolio));
    std::vector<Investment>& investments = portfolios_[portfolio.row()]->investments;
    const int row = static_cast<int>(investments.size());
    beginInsertRows(portfolio, row, row);
    investments.push_back({id, name});
    endInsertRows();
    return index(row, 0, portfolio);
}

void PortfolioTreeModel::rename(const QModelIndex& node, const QString& name) {
    if (!node.isValid()) return;
    if (isInvestment(node)) {
        portfolioAt(node)->investments[node.row()].name = name;
    } else {
        portfolios_[node.row()]->name = name;
    }
    emit dataChanged(node, node);
}

void PortfolioTreeModel::removeNode(const QModelIndex& node) {
    if (!node.isValid()) return;
    const int row = node.row();
    beginRemoveRows(node.parent(), row, row);
    if (isInvestment(node)) {
        std::vector<Investment>& investments = portfolioAt(node)->investments;
        investments.erase(investments.begin() + row);
    } else {
        portfolios_.erase(portfolios_.begin() + row);
    }
    endRemoveRows();
}

float PortfolioTreeModel::portfolioId(const QModelIndex& node) {
    return node.data(PortfolioIdRole).toFloat();
}

float PortfolioTreeModel::holdingId(const QModelIndex& node) {
    return node.data(HoldingIdRole).toFloat();
}

PortfolioTreeModel::Portfolio* PortfolioTreeModel::portfolioAt(const QModelIndex& index) const {
    return static_cast<Portfolio*>(index.internalPointer());
}

QModelIndex PortfolioTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, nullptr);
    return createIndex(row, column, portfolios_[parent.row()].get());
}

QModelIndex PortfolioTreeModel::parent(const QModelIndex& child) const {
    const Portfolio* portfolio = child.isValid() ? portfolioAt(child) : nullptr;
    if (!portfolio) return {};
    for (size_t row = 0; row < portfolios_.size(); ++row) {
        if (portfolios_[row].get() == portfolio)
            return createIndex(static_cast<int>(row), 0, nullptr);
    }
    return {};
}

int PortfolioTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(portfolios_.size());
    if (parent.column() != 0 || isInvestment(parent)) return 0;
    return static_cast<int>(portfolios_[parent.row()]->investments.size());
}

int PortfolioTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant PortfolioTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Portfolio* owner = portfolioAt(index);
    const Portfolio& portfolio = owner ? *owner : *portfolios_[index.row()];
    const Investment* investment = owner ? &owner->investments[index.row()] : nullptr;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return investment ? investment->name : portfolio.name;
        case Qt::DecorationRole:
            if (investment) return investmentIcon_;
            return portfolio.filled ? filledPortfolioIcon_ : portfolioIcon_;
        case PortfolioIdRole:
            return portfolio.id;
        case HoldingIdRole:
            return investment ? investment->id : 0.0f;
        default:
            return {};
    }
}

}  // namespace brevanta
