#pragma once

#include <QDialog>
#include <vector>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace brevanta {

class DataStore;

// Calculates every portfolio, or the selected ones, as of a chosen performance date.
class CalculateAllDialog : public QDialog {
    Q_OBJECT

  public:
    // The date starts at today.
    CalculateAllDialog(UiContext& context, QWidget* parent = nullptr);

    // Runs the dialog modally on the store's portfolios; Accepted after a completed run,
    // Rejected otherwise. The store must outlive the call.
    int Execute(DataStore& store);

    void rbAllClick();
    void rbSelectClick();
    void btnOkClick();
    void btnHelpClick();

  private:
    // The portfolios to calculate; empty when "Selected Portfolios" has none selected.
    std::vector<PortfolioRecord> ChosenPortfolios() const;
    // The calculate-all run over the portfolios, under the busy cursor.
    Status Calculate(const std::vector<PortfolioRecord>& portfolios, Date performanceDate);

    UiContext& context_;
    DataStore* store_ = nullptr;
    std::vector<PortfolioRecord> portfolios_;  // one per line of lbPortfolios

    QLabel* lblPName;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QDateEdit* dtp1;
    QRadioButton* rbAll;
    QRadioButton* rbSelect;
    QListWidget* lbPortfolios;
    QPushButton* btnOk;
    QPushButton* btnCan;
    QPushButton* btnHelp;
};

}  // namespace brevanta
