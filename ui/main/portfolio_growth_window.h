#pragma once

#include <QDialog>

#include "store/records.h"
#include "ui/platform/ui_context.h"

namespace brevanta {

class DataStore;
class GrowthView;

// A portfolio's returns by calendar year, its risk figures, the heat map of its monthly returns
// and its growth chart, with its investments pooled.
class PortfolioGrowthWindow : public QDialog {
    Q_OBJECT

  public:
    // REQUIRES: store outlives the window; the portfolio exists.
    PortfolioGrowthWindow(UiContext& context, DataStore& store, Pid portfolio,
                          QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    GrowthView* growthView_;
};

}  // namespace brevanta
