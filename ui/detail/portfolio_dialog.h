#pragma once

#include <QDialog>
#include <optional>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brevanta {

class DataStore;

// Enters a new portfolio, or changes the name and description of an existing one. OK
// writes it; a write the store refuses is reported and leaves the dialog open.
class PortfolioDialog : public QDialog {
    Q_OBJECT

  public:
    // A new portfolio, or the one given. REQUIRES: store outlives the dialog; the portfolio
    // exists.
    PortfolioDialog(UiContext& context, DataStore& store, std::optional<Pid> portfolio,
                    QWidget* parent = nullptr);

    // The portfolio written: the new one, or the one changed; valid after Accepted.
    Pid portfolioId() const { return portfolioId_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void onOkClicked();

  private:
    // Writes the portfolio; false (with the reason shown) when the store refused.
    bool save(const std::string& name, const std::string& description);

    UiContext& context_;
    DataStore& store_;
    const bool creating_;
    Pid portfolioId_{};

    QLabel* promptLabel_;
    QLineEdit* nameEdit_;
    QLineEdit* descriptionEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

// The entry operations: each runs the dialog modally and returns Accepted (OK) or Rejected
// (Cancel); *created (if given) receives the new portfolio's identifier.
int NewPortfolio(UiContext& context, DataStore& store, QWidget* parent, Pid* created = nullptr);
int UpdatePortfolio(UiContext& context, DataStore& store, Pid portfolio, QWidget* parent);

}  // namespace brevanta
