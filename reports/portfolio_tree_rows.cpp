#include "reports/portfolio_tree_rows.h"

namespace brevanta {

std::vector<PortfolioNodeRow> BuildPortfolioTree(const DataStore& store) {
    std::vector<PortfolioNodeRow> tree;
    for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
        PortfolioNodeRow node{portfolio.Id, portfolio.Name, {}};
        for (const HoldingRecord& holding : store.holdings().HoldingsOfPortfolio(portfolio.Id)) {
            node.investments.push_back({holding.Id, holding.Name});
        }
        tree.push_back(std::move(node));
    }
    return tree;
}

}  // namespace brevanta
