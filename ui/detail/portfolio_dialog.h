#pragma once

#include <QDialog>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brevanta {

class DataStore;

// Enters a new portfolio, or changes the name and description of an existing one.
class PortfolioDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PortfolioDialog(UiContext& context, QWidget* parent = nullptr);

    // Each runs the dialog modally and returns Accepted (OK) or Rejected (Cancel). A write
    // the store refuses is reported and leaves the dialog open. The store must outlive the
    // call.
    int NewPortfolio(DataStore& store);
    int UpdatePortfolio(DataStore& store, const PortfolioRecord& portfolio);

    // The identifier of the portfolio NewPortfolio created; valid after Accepted.
    Pid NewPortfolioId() const { return newPortfolioId_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void onOkClicked();

  private:
    enum class Mode { New, Update };

    int run(DataStore& store, Mode mode, const QString& caption, const QString& prompt);
    // Writes the portfolio; false (with the reason shown) when the store refused.
    bool save(const std::string& name, const std::string& description);

    UiContext& context_;
    DataStore* store_ = nullptr;
    Mode mode_ = Mode::New;
    Pid portfolioId_{};  // the portfolio being updated
    Pid newPortfolioId_{};

    QLabel* promptLabel_;
    QLineEdit* nameEdit_;
    QLineEdit* descriptionEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace brevanta
