#include "ui/main/portfolio_tree_model.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>

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

namespace {

// The first row of `rows` with that identifier, or null.
template <typename Row, typename Id>
const Row* RowWith(const std::vector<Row>& rows, Id id) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [id](const Row& row) { return row.id == id; });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace

void PortfolioTreeModel::follow(const std::vector<PortfolioNodeRow>& portfolios) {
    for (int row = static_cast<int>(portfolios_.size()) - 1; row >= 0; --row) {
        const PortfolioNodeRow* current = RowWith(portfolios, portfolios_[row]->id);
        if (current) {
            rename(index(row, 0), portfolios_[row]->name, current->name);
            followInvestments(row, current->investments);
            continue;
        }
        beginRemoveRows({}, row, row);
        portfolios_.erase(portfolios_.begin() + row);
        endRemoveRows();
    }
    for (const PortfolioNodeRow& current : portfolios) {
        if (portfolioNode(current.id).isValid()) continue;
        const int row = static_cast<int>(portfolios_.size());
        beginInsertRows({}, row, row);
        portfolios_.push_back(std::make_unique<Portfolio>(
            Portfolio{current.id, QString::fromStdString(current.name), false, {}}));
        endInsertRows();
        followInvestments(row, current.investments);
    }
}

void PortfolioTreeModel::followInvestments(int row,
                                           const std::vector<InvestmentNodeRow>& investments) {
    const QModelIndex parent = index(row, 0);
    std::vector<Investment>& shown = portfolios_[row]->investments;
    for (int child = static_cast<int>(shown.size()) - 1; child >= 0; --child) {
        if (const InvestmentNodeRow* current = RowWith(investments, shown[child].id)) {
            rename(index(child, 0, parent), shown[child].name, current->name);
            continue;
        }
        beginRemoveRows(parent, child, child);
        shown.erase(shown.begin() + child);
        endRemoveRows();
    }
    for (const InvestmentNodeRow& current : investments) {
        if (RowWith(shown, current.id)) continue;
        const int child = static_cast<int>(shown.size());
        beginInsertRows(parent, child, child);
        shown.push_back({current.id, QString::fromStdString(current.name)});
        endInsertRows();
    }
}

void PortfolioTreeModel::rename(const QModelIndex& node, QString& name,
                                const std::string& current) {
    const QString text = QString::fromStdString(current);
    if (name == text) return;
    name = text;
    emit dataChanged(node, node);
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
