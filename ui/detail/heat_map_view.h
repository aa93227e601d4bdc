#pragma once

#include <QTableView>

#include "core/locale.h"
#include "engine/growth_calculator.h"

namespace brevanta {

class HeatMapModel;

// Shows a HeatMapModel and says which month the user chose: a click on its cell, or Enter on
// the current one.
class HeatMapView : public QTableView {
    Q_OBJECT

  public:
    explicit HeatMapView(Locale locale, QWidget* parent = nullptr);

    HeatMapModel* heatMapModel() const { return model_; }

  signals:
    void monthChosen(const CalendarMonthReturn& month);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void onCellClicked(const QModelIndex& index);

  private:
    HeatMapModel* model_;
};

}  // namespace brevanta
