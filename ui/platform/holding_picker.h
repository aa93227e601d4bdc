#pragma once

#include <QListWidget>
#include <QWidget>
#include <optional>
#include <vector>

#include "store/records.h"

class QLabel;

namespace brevanta {

class DataStore;

// "Portfolios:" and "Investments:" side by side: every portfolio of the store, and the
// investments of the selected one. A line stands for the record at the same index.
//
// While the investments are shown, choosing another portfolio refills them and selects the
// first; while they are off, the list stays empty and disabled.
class HoldingPicker : public QWidget {
    Q_OBJECT

  public:
    explicit HoldingPicker(QWidget* parent = nullptr);

    // Takes the store's portfolios and selects the first; shown investments follow it.
    // REQUIRES: store outlives the picker.
    void load(const DataStore& store);
    // Empties and disables the investments list with its label.
    void showPortfolioOnly();
    // Enables the investments list and fills it for the selected portfolio, first line
    // selected; it follows the portfolio selection from now on.
    void showInvestments();
    bool showsInvestments() const { return showsInvestments_; }

    std::optional<PortfolioRecord> selectedPortfolio() const;
    // Only while the investments are shown.
    std::optional<HoldingRecord> selectedHolding() const;

    // The two lists, for the owner's tab order.
    QList<QWidget*> focusWidgets() const { return {portfolioList_, investmentList_}; }

  private slots:
    void onPortfolioSelectionChanged();

  private:
    void refillInvestments();

    const DataStore* store_ = nullptr;
    std::vector<PortfolioRecord> portfolios_;  // one per line of portfolioList_
    std::vector<HoldingRecord> holdings_;      // one per line of investmentList_
    bool showsInvestments_ = true;

    QListWidget* portfolioList_;
    QLabel* investmentLabel_;
    QListWidget* investmentList_;
};

}  // namespace brevanta
