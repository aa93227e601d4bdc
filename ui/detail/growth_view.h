#pragma once

#include <QWidget>

#include "engine/growth.h"
#include "ui/platform/ui_context.h"

class QChart;
class QChartView;
class QCategoryAxis;
class QLineSeries;
class QPointF;
class QLabel;
class QPushButton;
class QTableView;
class QValueAxis;

namespace brevanta {

class DataStore;
class DateField;
class HeatMapView;
class RiskPanel;
class TextTableModel;

// The growth of an investment or a portfolio as of a date: its returns by calendar year
// (beside its portfolio's benchmark when one is chosen), its risk figures, the heat map of its
// monthly returns (a month chosen opens the audit viewer at its period), a chart of its
// month-end market values against its cost basis, and "Save as Report...". It is computed
// afresh from the store whenever the view is shown or the date changes, so it follows the
// transactions and values as they are edited. The chart takes its colours from the palette
// and tells a screen reader its figures as text.
class GrowthView : public QWidget {
    Q_OBJECT

  public:
    // The date starts at the subject's performance date, or today when never calculated.
    // REQUIRES: store outlives the view.
    GrowthView(UiContext& context, DataStore& store, GrowthSubject subject,
               QWidget* parent = nullptr);

    // Goes back to the subject's performance date (after a calculation) and shows it.
    void resetDate();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private slots:
    void onDateEdited();
    void onDateConfirmed();
    void onSaveReportClicked();
    void onPointHovered(const QPointF& point, bool entered);
    void onMonthChosen(const CalendarMonthReturn& month);

  private:
    void refresh();
    void fillRisk();
    void fillChart();
    void applyChartPalette();
    // The chart's figures as text: the market value and cost basis at each year's end.
    QString chartFiguresText() const;

    UiContext& context_;
    DataStore& store_;
    const GrowthSubject subject_;
    Date asOf_;
    std::optional<Hid> benchmark_;
    Growth growth_;

    DateField* dateField_;
    QPushButton* saveReportButton_;
    TextTableModel* yearModel_;
    QTableView* yearTable_;
    RiskPanel* riskPanel_;
    HeatMapView* heatMap_;
    QLabel* heatMapLegend_;
    QChart* chart_;
    QChartView* chartView_;
    QLineSeries* valueSeries_;
    QLineSeries* costSeries_;
    QCategoryAxis* dateAxis_;
    QValueAxis* moneyAxis_;
};

}  // namespace brevanta
