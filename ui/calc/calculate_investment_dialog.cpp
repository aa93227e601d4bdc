#include "ui/calc/calculate_investment_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/date_format.h"
#include "ui/platform/date_field.h"
#include "ui/platform/dialog_buttons.h"

namespace brevanta {

CalculateInvestmentDialog::CalculateInvestmentDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      performanceDateField_(new DateField(context.locale, this)),
      showDetailCheckBox_(
          new QCheckBox(tr("Display calculation detail for Time-weighted returns"), this)) {
    setObjectName("CalculateInvestmentDialog");
    setWindowTitle(tr("Calculate Performance"));
    performanceDateField_->setObjectName("performanceDateField");
    showDetailCheckBox_->setObjectName("showDetailCheckBox");

    auto* prompt = new QLabel(
        tr("Calculate the performance of this investment up to the following date.   Note: "
           "This date will be used as the last day of the last monthly compounding period."),
        this);
    prompt->setWordWrap(true);
    prompt->setFixedWidth(340);

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(performanceDateField_, 0, Qt::AlignLeft);
    layout->addWidget(showDetailCheckBox_);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &CalculateInvestmentDialog::onOkClicked);
}

int CalculateInvestmentDialog::Execute(Date inceptionDate) {
    inceptionDate_ = inceptionDate;
    performanceDateField_->setDate(context_.clock.Today());
    return exec();
}

void CalculateInvestmentDialog::onOkClicked() {
    const std::optional<Date> date = performanceDateField_->date();
    if (!date) {
        refuseDate(tr("Please enter a valid date."));
        return;
    }
    if (*date <= inceptionDate_) {
        refuseDate(tr("You must enter a date that is after the holdings\r\ninception date of "
                      "%1.\r\n\r\nPlease try again.")
                       .arg(QString::fromStdString(
                           FormatDate(inceptionDate_, "m/dd/yyyy", context_.locale))));
        return;
    }
    chosenDate_ = *date;
    showDetail_ = showDetailCheckBox_->isChecked();
    accept();
}

void CalculateInvestmentDialog::refuseDate(const QString& message) {
    context_.platform.ShowPlain(message);
    performanceDateField_->setFocus();
}

}  // namespace brevanta
