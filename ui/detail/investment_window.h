#pragma once

#include <QDialog>
#include <optional>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace brevanta {

class DataStore;
class DateField;
class ObservedStore;
class GrowthView;
class RecordListPanel;
class ReturnsPage;

// The pages of the investment detail window.
enum class InvestmentPage { Transactions = 1, HistoricalValues = 2, Returns = 3, Growth = 4 };

// Shows the investment detail window at a page, modally; returns Accepted or Rejected. The
// window writes its changes as they are made.
int ShowInvestment(UiContext& context, ObservedStore& directory, Hid holding, InvestmentPage page,
                   QWidget* parent);

// One investment: its own fields, its transactions and historical values (written to the
// store as they change), and its stored returns, all following the store. OK writes the
// investment's own fields; Cancel drops only those edits. A directory open for reading only
// is shown, never changed.
class InvestmentWindow : public QDialog {
    Q_OBJECT

  public:
    // REQUIRES: directory outlives the window; the investment exists.
    InvestmentWindow(UiContext& context, ObservedStore& directory, Hid holding,
                     QWidget* parent = nullptr);

    void showPage(InvestmentPage page);

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void onCalculatePerformance();
    void onGenerateReport();
    void onHelpClicked();
    void onOkClicked();
    void onHistoryChanged(Hid holdingId);
    void onFiguresChanged();
    void onSettingsChanged();
    void refillTotals();

  private:
    QWidget* makeTransactionsPage();
    QWidget* makeValuesPage();
    void showFields();
    // The stored returns on both pages, the benchmark's beside the time-weighted ones.
    void showReturns();
    // Shows a refusal on the Transactions page and puts the focus on the field.
    void refuse(const QString& message, QWidget* field);

    UiContext& context_;
    ObservedStore& directory_;
    DataStore& store_;
    HoldingRecord holding_;
    QString shownInitialValue_;

    QTabWidget* pages_;
    QLabel* portfolioLabel_;
    QLineEdit* nameEdit_;
    QLineEdit* descriptionEdit_;
    DateField* inceptionDateField_;
    QLineEdit* initialValueEdit_;
    RecordListPanel* transactionsPanel_;
    RecordListPanel* valuesPanel_;
    ReturnsPage* timeWeightedPage_;
    ReturnsPage* dollarWeightedPage_;
    GrowthView* growthPage_;
    QPushButton* helpButton_;
    QPushButton* reportButton_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace brevanta
