#include "ui/calc/calc_perf_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/date_format.h"
#include "ui/platform/system_locale.h"

namespace brevanta {

TCalcPerf::TCalcPerf(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      lblPName(new QLabel(
          "Calculate the performance of this investment up to the following date.   Note: "
          "This date will be used as the last day of the last monthly compounding period.",
          this)),
      dtp1(new QDateEdit(this)),
      CheckBox1(new QCheckBox("Display calculation detail for Time-weighted returns", this)),
      btnOk(new QPushButton("OK", this)),
      btnCan(new QPushButton("Cancel", this)) {
    setObjectName("TCalcPerf");
    setWindowTitle("Calculate Performance");
    lblPName->setObjectName("lblPName");
    dtp1->setObjectName("dtp1");
    CheckBox1->setObjectName("CheckBox1");
    btnOk->setObjectName("btnOk");
    btnCan->setObjectName("btnCan");
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

    connect(btnOk, &QPushButton::clicked, this, &TCalcPerf::btnOkClick);
    connect(btnCan, &QPushButton::clicked, this, &QDialog::reject);
}

int TCalcPerf::Execute(Date inceptionDate) {
    inception_date_ = inceptionDate;
    dtp1->setDate(ToQDate(context_.clock.Today()));
    return exec();
}

void TCalcPerf::btnOkClick() {
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
