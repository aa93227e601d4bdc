#include "ui/main/portfolio_growth_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/data_store.h"
#include "ui/detail/growth_view.h"
#include "ui/platform/screen_fit.h"

namespace brevanta {

PortfolioGrowthWindow::PortfolioGrowthWindow(UiContext& context, DataStore& store, Pid portfolio,
                                             QWidget* parent)
    : QDialog(parent),
      growthView_(new GrowthView(context, store, {portfolio, std::nullopt}, this)) {
    setObjectName("PortfolioGrowthWindow");
    setWindowTitle(
        tr("Growth: %1")
            .arg(QString::fromStdString(
                store.portfolios().FindPortfolio(portfolio).value_or(PortfolioRecord{}).Name)));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    help->setObjectName("helpButton");
    close->setObjectName("closeButton");
    help->setAutoDefault(false);
    close->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Scrollable(growthView_));
    layout->addWidget(buttons);
    resize(900, 740);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [&context] { context.platform.ShowHelpTopic("CALCROR"); });
}

void PortfolioGrowthWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitToScreen(*this);
}

}  // namespace brevanta
