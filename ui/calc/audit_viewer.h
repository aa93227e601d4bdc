#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "core/date.h"
#include "engine/calculation_results.h"
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
class PerformanceEngine;
struct HoldingRecord;

// Shows the monthly compounding periods behind each time-weighted figure of the engine's
// last calculation, for the investment or for its portfolio, and saves those of one figure
// as comma-separated text. It reads the engine; it does not calculate.
class AuditViewer : public QDialog {
    Q_OBJECT

  public:
    // engine must outlive the viewer and not calculate meanwhile.
    AuditViewer(UiContext& context, const PerformanceEngine& engine, const HoldingRecord& holding,
                QWidget* parent = nullptr);
    // The results of one calculation of the investment and of its portfolio as of one date.
    AuditViewer(UiContext& context, CalculationResults investmentResults,
                CalculationResults portfolioResults, const HoldingRecord& holding,
                QWidget* parent = nullptr);

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
    const CalculationResults& shownResults() const;
    ReportingPeriod shownPeriod() const;
    // Shows the chosen period's label and list.
    void fill();
    // Nothing was calculated: no tab, an empty list and the reason.
    void showNoDetail();

    UiContext& context_;
    const CalculationResults investment_;
    const CalculationResults portfolio_;
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

// Prepares the viewer for holding on engine's last calculation, shows it modally and returns
// its result. engine must hold the calculation of holding and of its portfolio.
int ShowCalculationAudit(UiContext& context, const PerformanceEngine& engine,
                         const HoldingRecord& holding, QWidget* parent);

// Shows the viewer modally on the subject's calculation as of the date, computed afresh and not
// stored, at the inception period holding the day: an investment in investment mode (its
// portfolio's beside it), a portfolio in portfolio mode. Returns its result.
int ShowInceptionAudit(UiContext& context, const DataStore& store, const GrowthSubject& subject,
                       Date performance_date, Date day, QWidget* parent);

}  // namespace brevanta
