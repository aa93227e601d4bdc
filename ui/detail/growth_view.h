#pragma once

#include <QWidget>

#include "engine/growth.h"
#include "ui/platform/ui_context.h"

class QChart;
class QChartView;
class QCategoryAxis;
class QLineSeries;
class QPointF;
class QPushButton;
class QTableView;
class QValueAxis;

namespace brevanta {

class DataStore;
class DateField;
class TextTableModel;

// The growth of an investment or a portfolio as of a date: its returns by calendar year, a
// chart of its month-end market values against its cost basis, and "Save as Report...". It
// is computed afresh from the store whenever the view is shown or the date changes, so it
// follows the transactions and values as they are edited.
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

  private slots:
    void onDateEdited();
    void onDateConfirmed();
    void onSaveReportClicked();
    void onPointHovered(const QPointF& point, bool entered);

  private:
    void refresh();
    void fillChart();

    UiContext& context_;
    DataStore& store_;
    const GrowthSubject subject_;
    Date asOf_;
    Growth growth_;

    DateField* dateField_;
    QPushButton* saveReportButton_;
    TextTableModel* yearModel_;
    QTableView* yearTable_;
    QChart* chart_;
    QChartView* chartView_;
    QLineSeries* valueSeries_;
    QLineSeries* costSeries_;
    QCategoryAxis* dateAxis_;
    QValueAxis* moneyAxis_;
};

}  // namespace brevanta
