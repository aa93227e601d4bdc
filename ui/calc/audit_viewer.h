#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "core/date.h"
#include "engine/calculation.h"
#include "engine/growth.h"
#include "reports/audit_detail.h"
#include "ui/platform/ui_context.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace brevanta {

class TextTableModel;
struct HoldingRecord;

// Shows the monthly compounding periods behind each time-weighted figure of a calculation of
// an investment and its portfolio, for the investment or for the portfolio, and saves those
// of one figure as comma-separated text. It does not calculate.
class AuditViewer : public QDialog {
    Q_OBJECT

  public:
    AuditViewer(UiContext& context, InvestmentAndPortfolio calculations,
                const HoldingRecord& holding, QWidget* parent = nullptr);

    // Shows the period's list in the mode chosen, its row holding the day selected (see
    // AuditRowHolding). REQUIRES: the period's tab is visible.
    void showPeriodHolding(ReportingPeriod period, Date day, bool portfolio);

  private slots:
    void onTabChanged();
    void onModeToggled();
    void onSaveAsClicked();
    void onHelpClicked();

  private:
    // The mode and the period chosen. REQUIRES: some tab is visible.
    const Calculation& shownCalculation() const;
    ReportingPeriod shownPeriod() const;
    // Shows the chosen period's label and list.
    void fill();
    // Nothing was calculated: no tab, an empty list and the reason.
    void showNoDetail();

    UiContext& context_;
    const InvestmentAndPortfolio calculations_;
    Date inceptionDate_;

    QTabWidget* auditTabs_;
    std::array<QLabel*, kAuditPeriods.size()> tabLabels_;
    QRadioButton* investmentButton_;
    QRadioButton* portfolioButton_;
    QTableView* auditList_;
    TextTableModel* auditListModel_;
    QLabel* noDetailLabel_;
    QPushButton* okButton_;
    QPushButton* helpButton_;
    QPushButton* saveAsButton_;
};

// Prepares the viewer for holding's calculations (of holding and of its portfolio), shows it
// modally and returns its result.
int ShowCalculationAudit(UiContext& context, const InvestmentAndPortfolio& calculations,
                         const HoldingRecord& holding, QWidget* parent);

// Shows the viewer modally on the subject's calculation as of the date, computed afresh and not
// stored, at the inception period holding the day: an investment in investment mode (its
// portfolio's beside it), a portfolio in portfolio mode. Returns its result.
int ShowInceptionAudit(UiContext& context, const DataStore& store, const GrowthSubject& subject,
                       Date performance_date, Date day, QWidget* parent);

}  // namespace brevanta
