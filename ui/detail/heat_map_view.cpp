#include "ui/detail/heat_map_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>

#include "ui/detail/heat_map_model.h"

namespace brevanta {

HeatMapView::HeatMapView(Locale locale, QWidget* parent)
    : QTableView(parent), model_(new HeatMapModel(std::move(locale), this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(HeatMapModel::kYearColumn,
                                             QHeaderView::ResizeToContents);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // The colours are the point: a selected cell is only shaded, keeping its own.
    QPalette shading = palette();
    shading.setColor(QPalette::Highlight, QColor(0, 0, 0, 64));
    shading.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(shading);
    connect(this, &QTableView::clicked, this, &HeatMapView::onCellClicked);
}

void HeatMapView::keyPressEvent(QKeyEvent* event) {
    // Enter is this view's click, not the window's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        onCellClicked(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void HeatMapView::onCellClicked(const QModelIndex& index) {
    if (const std::optional<CalendarMonthReturn> month = model_->monthAt(index)) {
        emit monthChosen(*month);
    }
}

}  // namespace brevanta
