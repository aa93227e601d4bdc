#pragma once

#include <QDialog>
#include <vector>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QListWidget;
class QPushButton;
class QRadioButton;

namespace brevanta {

class DataStore;
class DateField;

// Calculates every portfolio, or the selected ones, as of a chosen performance date.
class CalculateAllDialog : public QDialog {
    Q_OBJECT

  public:
    // The date starts at today.
    explicit CalculateAllDialog(UiContext& context, QWidget* parent = nullptr);

    // Runs the dialog modally on the store's portfolios; Accepted after a completed run,
    // Rejected otherwise. The store must outlive the call.
    int Execute(DataStore& store);

  private slots:
    void onOkClicked();
    void onHelpClicked();

  private:
    // The portfolios to calculate; empty when "Selected Portfolios" has none selected.
    std::vector<PortfolioRecord> chosenPortfolios() const;
    // The calculate-all run over the portfolios, under the busy cursor.
    Status calculate(const std::vector<PortfolioRecord>& portfolios, Date performanceDate);

    UiContext& context_;
    DataStore* store_ = nullptr;
    std::vector<PortfolioRecord> portfolios_;  // one per line of portfolioList_

    DateField* calculationDateField_;
    QRadioButton* everyPortfolioButton_;
    QRadioButton* selectedPortfoliosButton_;
    QListWidget* portfolioList_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* helpButton_;
};

}  // namespace brevanta
