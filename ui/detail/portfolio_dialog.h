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
    // Returned when the portfolio table could not be written; the caller ends the program.
    static constexpr int DataUnavailable = 2;

    PortfolioDialog(UiContext& context, QWidget* parent = nullptr);

    // Each runs the dialog modally and returns Accepted (OK), Rejected (Cancel) or
    // DataUnavailable. The store must outlive the call.
    int NewPortfolio(DataStore& store);
    int UpdatePortfolio(DataStore& store, const PortfolioRecord& portfolio);

    // The identifier of the portfolio NewPortfolio created; valid after Accepted.
    int NewPortfolioId() const { return new_portfolio_id_; }

    void FormActivate();
    void OkClick();
    void CancelClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    enum class Mode { New, Update };

    int Run(DataStore& store, Mode mode, const QString& caption, const QString& prompt);

    UiContext& context_;
    DataStore* store_ = nullptr;
    Mode mode_ = Mode::New;
    float portfolio_id_ = 0;  // the portfolio being updated
    int new_portfolio_id_ = 0;

    QLabel* lblPName;
    QLineEdit* edtName;
    QLineEdit* edtDesc;
    QPushButton* Ok;
    QPushButton* Cancel;
};

}  // namespace brevanta
