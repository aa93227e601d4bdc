#pragma once

#include <QWidget>

#include "store/records.h"
#include "ui/platform/ui_context.h"

namespace brevanta {

class DataStore;

// The pages of the investment detail window.
enum class InvestmentPage { Transactions = 1, HistoricalValues = 2, Returns = 3 };

// Shows the investment detail window at a page, modally; returns Accepted or Rejected. The
// window writes its changes as they are made, so callers re-read the investment whatever
// comes back. Until the window exists this answers Rejected at once.
int ShowInvestment(UiContext& context, DataStore& store, const HoldingRecord& holding,
                   InvestmentPage page, QWidget* parent);

}  // namespace brevanta
