#include "ui/calc/calculate_all_dialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/calculation_run.h"
#include "engine/performance_engine.h"
#include "store/data_store.h"
#include "ui/platform/system_locale.h"
#include "ui/platform/widget_names.h"

namespace brevanta {

CalculateAllDialog::CalculateAllDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      lblPName(Named(new QLabel("Calculate the performance of the selected investments up to the "
                                "calculation date.",
                                this),
                     "lblPName")),
      Label1(Named(
          new QLabel(
              "This date will be used as the last day of the last monthly compounding period.",
              this),
          "Label1")),
      Label2(Named(new QLabel("Calculation Date:", this), "Label2")),
      Label3(
          Named(new QLabel("Hold down the Control (CTRL) or Shift keys to select multiple", this),
                "Label3")),
      dtp1(Named(new QDateEdit(this), "dtp1")),
      rbAll(Named(new QRadioButton("Every Portfolio", this), "rbAll")),
      rbSelect(Named(new QRadioButton("Selected Portfolios", this), "rbSelect")),
      lbPortfolios(Named(new QListWidget(this), "lbPortfolios")),
      btnOk(Named(new QPushButton("&OK", this), "btnOk")),
      btnCan(Named(new QPushButton("Cancel", this), "btnCan")),
      btnHelp(Named(new QPushButton("&Help", this), "btnHelp")) {
    setObjectName("CalculateAllDialog");
    setWindowTitle("Calculate Performance");

    lblPName->setWordWrap(true);
    Label1->setWordWrap(true);
    dtp1->setCalendarPopup(true);
    dtp1->setDisplayFormat(QtDateFormat(context_.locale));
    dtp1->setDate(ToQDate(context_.clock.Today()));
    rbAll->setChecked(true);
    lbPortfolios->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbPortfolios->setEnabled(false);
    lbPortfolios->setMinimumHeight(120);
    // Enter cancels: a calculation rewrites stored figures, so it takes a deliberate OK.
    btnOk->setAutoDefault(false);
    btnHelp->setAutoDefault(false);
    btnCan->setDefault(true);

    auto* date = new QHBoxLayout;
    date->addWidget(Label2);
    date->addWidget(dtp1);
    date->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCan);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPName);
    layout->addLayout(date);
    layout->addWidget(Label1);
    layout->addWidget(rbAll);
    layout->addWidget(rbSelect);
    layout->addWidget(lbPortfolios);
    layout->addWidget(Label3);
    layout->addLayout(buttons);
    setFixedWidth(420);

    connect(rbAll, &QRadioButton::clicked, this, &CalculateAllDialog::rbAllClick);
    connect(rbSelect, &QRadioButton::clicked, this, &CalculateAllDialog::rbSelectClick);
    connect(btnOk, &QPushButton::clicked, this, &CalculateAllDialog::btnOkClick);
    connect(btnCan, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &CalculateAllDialog::btnHelpClick);
}

int CalculateAllDialog::Execute(DataStore& store) {
    store_ = &store;
    portfolios_ = store.AllPortfolios();
    lbPortfolios->clear();
    for (const PortfolioRecord& portfolio : portfolios_) {
        lbPortfolios->addItem(QString::fromStdString(portfolio.Name));
    }
    return exec();
}

void CalculateAllDialog::rbAllClick() { lbPortfolios->setEnabled(false); }

void CalculateAllDialog::rbSelectClick() { lbPortfolios->setEnabled(true); }

void CalculateAllDialog::btnHelpClick() { context_.platform.ShowHelpTopic("CALCROR"); }

void CalculateAllDialog::btnOkClick() {
    const std::vector<PortfolioRecord> chosen = ChosenPortfolios();
    if (chosen.empty() && rbSelect->isChecked()) {
        context_.platform.ShowInformation("Please select one or more portfolios");
        return;
    }
    const Status calculated = Calculate(chosen, FromQDate(dtp1->date()));
    // Figures the store refused are not finished numbers, whatever else was stored.
    if (!ShowIfFailed(context_.platform, calculated)) {
        context_.platform.ShowInformation("Finished calculating performance numbers.");
    }
    accept();
}

std::vector<PortfolioRecord> CalculateAllDialog::ChosenPortfolios() const {
    if (rbAll->isChecked()) return portfolios_;
    std::vector<PortfolioRecord> chosen;
    for (int line = 0; line < lbPortfolios->count(); ++line) {
        if (lbPortfolios->item(line)->isSelected()) chosen.push_back(portfolios_[line]);
    }
    return chosen;
}

Status CalculateAllDialog::Calculate(const std::vector<PortfolioRecord>& portfolios, Date performanceDate) {
    BusyCursor busy(context_.platform);
    PerformanceEngine engine(*store_, context_.clock, context_.data_directory, context_.locale);
    return CalculatePortfolios(*store_, engine, portfolios, performanceDate);
}

}  // namespace brevanta
