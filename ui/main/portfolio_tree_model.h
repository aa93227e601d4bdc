#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <memory>
#include <vector>

#include "reports/portfolio_tree_rows.h"

namespace brevanta {

// The portfolios with their investments, as the main window's tree shows them. Nodes carry
// identifiers, never records, so a store reload never leaves a node holding a stale record.
//
// The tree is built whole once; afterwards it follows the store in place: nodes are added,
// renamed and removed, a new node stands at the end of its level, and the view keeps
// expansion and selection.
class PortfolioTreeModel : public QAbstractItemModel {
    Q_OBJECT

  public:
    enum Role { PortfolioIdRole = Qt::UserRole, HoldingIdRole };

    explicit PortfolioTreeModel(QObject* parent = nullptr);
    ~PortfolioTreeModel() override;

    // An investment node shows investmentIcon; a portfolio node portfolioIcon, or
    // filledPortfolioIcon when it had investments when the tree was built.
    void setIcons(QIcon portfolioIcon, QIcon filledPortfolioIcon, QIcon investmentIcon);

    void setPortfolios(const std::vector<PortfolioNodeRow>& portfolios);
    // Brings the tree to `portfolios` as the store now holds them: nodes that are gone are
    // removed, renamed ones renamed, and new ones added at the end of their level.
    void follow(const std::vector<PortfolioNodeRow>& portfolios);

    static bool isInvestment(const QModelIndex& node) { return node.parent().isValid(); }
    static QModelIndex portfolioOf(const QModelIndex& node) {
        return isInvestment(node) ? node.parent() : node;
    }
    static Pid portfolioId(const QModelIndex& node);
    // 0 on a portfolio node.
    static Hid holdingId(const QModelIndex& node);

    // The node of a portfolio, or of an investment in it; invalid when there is none.
    QModelIndex portfolioNode(Pid portfolioId) const;
    QModelIndex investmentNode(Pid portfolioId, Hid holdingId) const;

    // Drag and drop: any node can be dragged, and dropped on a node or on empty space. The
    // model moves nothing itself: it tells who was dropped where, and the window decides.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  signals:
    // A node (holdingId 0 for a portfolio) was dropped on a node of the target portfolio, or
    // on empty space (targetPortfolioId 0).
    void nodeDropped(Pid portfolioId, Hid holdingId, Pid targetPortfolioId);

  private:
    struct Investment {
        Hid id;
        QString name;
    };
    struct Portfolio {
        Pid id;
        QString name;
        bool filled;  // had investments when the tree was built
        std::vector<Investment> investments;
    };

    // Investment indexes point at their portfolio, whose address outlives any row shift.
    Portfolio* portfolioAt(const QModelIndex& index) const;
    void followInvestments(int row, const std::vector<InvestmentNodeRow>& investments);
    void rename(const QModelIndex& node, QString& name, const std::string& current);

    std::vector<std::unique_ptr<Portfolio>> portfolios_;
    QIcon portfolioIcon_;
    QIcon filledPortfolioIcon_;
    QIcon investmentIcon_;
};

}  // namespace brevanta
