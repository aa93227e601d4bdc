#include "ui/detail/investment_window.h"

#include <QDialog>

namespace brevanta {

int ShowInvestment(UiContext&, DataStore&, const HoldingRecord&, InvestmentPage, QWidget*) {
    return QDialog::Rejected;
}

}  // namespace brevanta
