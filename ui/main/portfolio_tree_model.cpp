#include "ui/main/portfolio_tree_model.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace brevanta {

namespace {

// A dragged node: its portfolio and investment identifiers.
constexpr char kNodeMimeType[] = "application/x-brevanta-node";

}  // namespace

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

QModelIndex PortfolioTreeModel::addPortfolio(Pid id, const QString& name) {
    const int row = static_cast<int>(portfolios_.size());
    beginInsertRows({}, row, row);
    portfolios_.push_back(std::make_unique<Portfolio>(Portfolio{id, name, false, {}}));
    endInsertRows();
    return index(row, 0);
}

QModelIndex PortfolioTreeModel::addInvestment(const QModelIndex& portfolio, Hid id,
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

Pid PortfolioTreeModel::portfolioId(const QModelIndex& node) {
    return static_cast<Pid>(node.data(PortfolioIdRole).toLongLong());
}

Hid PortfolioTreeModel::holdingId(const QModelIndex& node) {
    return static_cast<Hid>(node.data(HoldingIdRole).toLongLong());
}

QModelIndex PortfolioTreeModel::portfolioNode(Pid portfolioId) const {
    for (size_t row = 0; row < portfolios_.size(); ++row) {
        if (portfolios_[row]->id == portfolioId) return index(static_cast<int>(row), 0);
    }
    return {};
}

QModelIndex PortfolioTreeModel::investmentNode(Pid portfolioId, Hid holdingId) const {
    const QModelIndex portfolio = portfolioNode(portfolioId);
    if (!portfolio.isValid()) return {};
    const std::vector<Investment>& investments = portfolios_[portfolio.row()]->investments;
    for (size_t row = 0; row < investments.size(); ++row) {
        if (investments[row].id == holdingId) return index(static_cast<int>(row), 0, portfolio);
    }
    return {};
}

Qt::ItemFlags PortfolioTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return QAbstractItemModel::flags(index) | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions PortfolioTreeModel::supportedDropActions() const { return Qt::MoveAction; }

QStringList PortfolioTreeModel::mimeTypes() const { return {kNodeMimeType}; }

QMimeData* PortfolioTreeModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << portfolioId(indexes.first()) << holdingId(indexes.first());
    auto* data = new QMimeData;
    data->setData(kNodeMimeType, bytes);
    return data;
}

bool PortfolioTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                         const QModelIndex&) const {
    return data && data->hasFormat(kNodeMimeType);
}

bool PortfolioTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                      int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    QDataStream in(data->data(kNodeMimeType));
    Pid droppedPortfolio{};
    Hid droppedHolding{};
    in >> droppedPortfolio >> droppedHolding;
    const QModelIndex target = row >= 0 ? index(row, 0, parent) : parent;
    emit nodeDropped(droppedPortfolio, droppedHolding,
                     target.isValid() ? portfolioId(target) : Pid{});
    // The window has moved what it had to, node included: the view must not remove the source.
    return false;
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
            return Number(portfolio.id);
        case HoldingIdRole:
            return Number(investment ? investment->id : Hid{});
        default:
            return {};
    }
}

}  // namespace brevanta
