#include "ui/calc/calculate_investment_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/date_format.h"
#include "ui/platform/system_locale.h"
#include "ui/platform/widget_names.h"

namespace brevanta {

CalculateInvestmentDialog::CalculateInvestmentDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      lblPName(Named(
          new QLabel(
              "Calculate the performance of this investment up to the following date.   Note: "
              "This date will be used as the last day of the last monthly compounding period.",
              this),
          "lblPName")),
      dtp1(Named(new QDateEdit(this), "dtp1")),
      CheckBox1(Named(new QCheckBox("Display calculation detail for Time-weighted returns", this),
                      "CheckBox1")),
      btnOk(Named(new QPushButton("OK", this), "btnOk")),
      btnCan(Named(new QPushButton("Cancel", this), "btnCan")) {
    setObjectName("CalculateInvestmentDialog");
    setWindowTitle("Calculate Performance");
    lblPName->setWordWrap(true);
    lblPName->setFixedWidth(340);
    dtp1->setCalendarPopup(true);
    dtp1->setDisplayFormat(QtDateFormat(context_.locale));
    btnOk->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCan);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPName);
    layout->addWidget(dtp1, 0, Qt::AlignLeft);
    layout->addWidget(CheckBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOk, &QPushButton::clicked, this, &CalculateInvestmentDialog::btnOkClick);
    connect(btnCan, &QPushButton::clicked, this, &QDialog::reject);
}

int CalculateInvestmentDialog::Execute(Date inceptionDate) {
    inception_date_ = inceptionDate;
    dtp1->setDate(ToQDate(context_.clock.Today()));
    return exec();
}

void CalculateInvestmentDialog::btnOkClick() {
    const Date date = FromQDate(dtp1->date());
    if (date <= inception_date_) {
        context_.platform.ShowPlain(
            "You must enter a date that is after the holdings\r\ninception date of " +
            QString::fromStdString(FormatDate(inception_date_, "m/dd/yyyy", context_.locale)) +
            ".\r\n\r\nPlease try again.");
        dtp1->setFocus();
        return;
    }
    chosen_date_ = date;
    show_detail_ = CheckBox1->isChecked();
    accept();
}

}  // namespace brevanta
