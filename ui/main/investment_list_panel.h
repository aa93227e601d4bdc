#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QTreeView;

namespace brevanta {

class CaptionStrip;
class ObservedStore;
class TextTableModel;

// One portfolio's investments with the chosen figure columns and a total line, under a caption
// naming the portfolio and its total value. It follows the store: its figures, the histories
// behind the recent values, and the column and decimals settings.
class InvestmentListPanel : public QWidget {
    Q_OBJECT

  public:
    InvestmentListPanel(UiContext& context, QWidget* parent = nullptr);

    // Shows nothing until given a store; REQUIRES: directory outlives the panel or is replaced.
    void setStore(ObservedStore* directory);
    // The portfolio whose investments are shown; 0 for none.
    void showPortfolio(Pid portfolio);
    Pid portfolioId() const { return portfolioId_; }
    // The pattern of the figures, from the "NUM_DEC" setting.
    const std::string& numberFormat() const { return numberFormat_; }
    QTreeView* view() const { return view_; }

  signals:
    // An investment's row was double-clicked (the total line carries none).
    void investmentActivated(Hid holding);

  private slots:
    void refill();
    void onSettingsChanged();

  private:
    UiContext& context_;
    ObservedStore* directory_ = nullptr;
    Pid portfolioId_{};
    std::string numberFormat_;
    std::vector<ColumnRecord> columns_;  // the visible columns after "Name"

    TextTableModel* model_;
    CaptionStrip* caption_;
    QTreeView* view_;
};

}  // namespace brevanta
