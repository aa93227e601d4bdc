#include "ui/detail/growth_view.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "reports/growth_chart.h"
#include "reports/growth_page.h"
#include "reports/growth_rows.h"
#include "reports/heat_map.h"
#include "reports/report_writer.h"
#include "reports/risk_rows.h"
#include "store/benchmark_choice.h"
#include "store/data_store.h"
#include "store/risk_free_setting.h"
#include "ui/calc/audit_viewer.h"
#include "ui/detail/heat_map_model.h"
#include "ui/detail/heat_map_view.h"
#include "ui/detail/risk_panel.h"
#include "ui/platform/colour_scheme.h"
#include "ui/platform/date_field.h"
#include "ui/platform/dialog_buttons.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/system_locale.h"
#include "ui/platform/text_table_model.h"
#include "ui/platform/translated.h"
#include "ui/reports/open_report.h"

namespace brevanta {

namespace {

QList<TextTableModel::Column> YearColumns(bool benchmark) {
    std::vector<const char*> captions(kCalendarYearColumns.begin(), kCalendarYearColumns.end());
    if (benchmark)
        captions.insert(captions.end(), kBenchmarkColumns.begin(), kBenchmarkColumns.end());
    QList<TextTableModel::Column> columns;
    for (size_t i = 0; i < captions.size(); ++i) {
        // Year and partial read as labels, the figures line up on their decimals.
        columns.append({QCoreApplication::translate("Reports", captions[i]),
                        i < 2 ? Qt::AlignCenter : Qt::AlignRight});
    }
    return columns;
}

// Leaves room for "MMM yyyy" labels on the narrowest chart the window allows.
constexpr int kMaxTimeLabels = 8;

qreal ChartX(Date date) {
    return static_cast<qreal>(ToQDate(date).startOfDay().toMSecsSinceEpoch());
}

}  // namespace

GrowthView::GrowthView(UiContext& context, DataStore& store, GrowthSubject subject, QWidget* parent)
    : QWidget(parent),
      context_(context),
      store_(store),
      subject_(std::move(subject)),
      asOf_(DefaultGrowthDate(store, subject_, context.clock.Today())),
      dateField_(new DateField(context.locale, this)),
      saveReportButton_(NamedButton(tr("Save as Report..."), "saveReportButton", this)),
      yearModel_(new TextTableModel(YearColumns(false), this)),
      yearTable_(new QTableView(this)),
      riskPanel_(new RiskPanel(this)),
      heatMap_(new HeatMapView(context.locale, this)),
      heatMapLegend_(new QLabel(this)),
      chart_(new QChart),
      chartView_(new QChartView(chart_, this)),
      valueSeries_(new QLineSeries(chart_)),
      costSeries_(new QLineSeries(chart_)),
      dateAxis_(new QCategoryAxis(chart_)),
      moneyAxis_(new QValueAxis(chart_)) {
    setObjectName("growthView");
    dateField_->setObjectName("growthDateField");
    dateField_->setMaximumWidth(160);
    dateField_->setDate(asOf_);
    saveReportButton_->setAutoDefault(false);

    yearTable_->setObjectName("yearTable");
    yearTable_->setAccessibleName(tr("Calendar years"));
    yearTable_->setModel(yearModel_);
    yearTable_->verticalHeader()->hide();
    yearTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    yearTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    yearTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Bold captions over a selected row would no longer fit their columns.
    yearTable_->horizontalHeader()->setHighlightSections(false);
    yearTable_->verticalHeader()->setDefaultSectionSize(yearTable_->fontMetrics().height() + 6);

    heatMap_->setObjectName("heatMap");
    heatMap_->setAccessibleName(tr("Monthly returns"));
    heatMapLegend_->setObjectName("heatMapLegend");
    heatMapLegend_->setWordWrap(true);

    chartView_->setObjectName("growthChart");
    chartView_->setAccessibleName(tr("Market value and cost basis"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(200);
    valueSeries_->setName(tr("Market value"));
    costSeries_->setName(tr("Cost basis"));
    chart_->addSeries(valueSeries_);
    chart_->addSeries(costSeries_);
    chart_->setLocalizeNumbers(true);  // grouped thousands on the money axis
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setBackgroundRoundness(0);
    dateAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    moneyAxis_->setLabelFormat("%.0f");
    moneyAxis_->setMin(0);
    chart_->addAxis(dateAxis_, Qt::AlignBottom);
    chart_->addAxis(moneyAxis_, Qt::AlignLeft);
    for (QLineSeries* series : {valueSeries_, costSeries_}) {
        series->attachAxis(dateAxis_);
        series->attachAxis(moneyAxis_);
    }
    chart_->legend()->setAlignment(Qt::AlignTop);
    applyChartPalette();

    auto* top = new QHBoxLayout;
    auto* dateLabel = new QLabel(tr("As of:"), this);
    dateLabel->setBuddy(dateField_);
    top->addWidget(dateLabel);
    top->addWidget(dateField_);
    top->addStretch();
    top->addWidget(saveReportButton_);
    // The years above the heat map beside the risk figures, the chart below, their split the
    // user's.
    auto* tables = new QWidget(this);
    auto* months = new QVBoxLayout;
    months->addWidget(heatMap_, 1);
    months->addWidget(heatMapLegend_);
    auto* figures = new QHBoxLayout;
    figures->addLayout(months, 1);
    figures->addWidget(riskPanel_);
    auto* tablesLayout = new QVBoxLayout(tables);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    tablesLayout->addWidget(yearTable_, 1);
    tablesLayout->addLayout(figures, 2);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(tables);
    splitter->addWidget(chartView_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);

    connect(dateField_->lineEdit(), &QLineEdit::textChanged, this, &GrowthView::onDateEdited);
    connect(dateField_->lineEdit(), &QLineEdit::editingFinished, this,
            &GrowthView::onDateConfirmed);
    connect(saveReportButton_, &QPushButton::clicked, this, &GrowthView::onSaveReportClicked);
    for (QLineSeries* series : {valueSeries_, costSeries_}) {
        connect(series, &QLineSeries::hovered, this, &GrowthView::onPointHovered);
    }
    connect(heatMap_, &HeatMapView::monthChosen, this, &GrowthView::onMonthChosen);
}

void GrowthView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void GrowthView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyChartPalette();
}

void GrowthView::applyChartPalette() {
    // The chart draws itself in its theme's colours; the window's palette is what the user
    // chose to read, light or dark.
    const QPalette& colours = palette();
    const QColor text = colours.color(QPalette::Text);
    chart_->setBackgroundBrush(colours.color(QPalette::Base));
    chart_->setTitleBrush(text);
    chart_->legend()->setLabelColor(text);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(dateAxis_), static_cast<QAbstractAxis*>(moneyAxis_)}) {
        axis->setLabelsBrush(text);
        axis->setLinePenColor(colours.color(QPalette::Mid));
        axis->setGridLineColor(colours.color(QPalette::Midlight));
    }
    const QColor value = IsDark(colours) ? QColor(0x6c, 0xb4, 0xff) : QColor(0x1f, 0x5f, 0xa8);
    valueSeries_->setPen(QPen(value, 2));
    costSeries_->setPen(QPen(QColor(0x8c, 0x8c, 0x8c), 2, Qt::DashLine));
}

void GrowthView::resetDate() {
    asOf_ = DefaultGrowthDate(store_, subject_, context_.clock.Today());
    dateField_->setDate(asOf_);  // refreshes when the date changed
    if (isVisible()) refresh();
}

void GrowthView::onDateEdited() {
    // A date half typed is no date yet; the view keeps the last one shown.
    const std::optional<Date> typed = dateField_->date();
    if (!typed || *typed == asOf_) return;
    asOf_ = *typed;
    refresh();
}

void GrowthView::onDateConfirmed() {
    // Focus taken by the closing window is no confirmation.
    if (!isVisible()) return;
    if (!dateField_->date()) {
        context_.platform.ShowInformation(tr("Please enter a valid date."));
        dateField_->setFocus();
        return;
    }
    refresh();
}

void GrowthView::keyPressEvent(QKeyEvent* event) {
    // Enter in the date field has refreshed the page; it is not meant for the window's
    // default button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == dateField_->lineEdit()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GrowthView::refresh() {
    BusyCursor busy(context_.platform);
    benchmark_ = BenchmarkOf(store_, subject_.portfolio_id);
    growth_ = GrowthOf(store_, subject_, asOf_, benchmark_);
    const BenchmarkGrowth* benchmark = growth_.benchmark ? &*growth_.benchmark : nullptr;
    yearModel_->setColumns(YearColumns(benchmark != nullptr));
    std::vector<TextRow> years =
        BuildCalendarYearRows(growth_.years, NumberStyle::Grouped, context_.locale, benchmark);
    for (TextRow& year : years) {  // "yes" or "no" for a partial year
        year.cells[1] = QCoreApplication::translate("Reports", year.cells[1].c_str()).toStdString();
    }
    yearModel_->setRows(std::move(years));
    heatMap_->heatMapModel()->setReturns(growth_.months, growth_.years);
    heatMapLegend_->setText(
        Translated(HeatMapLegendText(heatMap_->heatMapModel()->bound(), context_.locale)));
    fillRisk();
    fillChart();
}

void GrowthView::fillRisk() {
    // Without a month of history there is nothing to measure, as on the report.
    const bool shown = !growth_.years.empty();
    riskPanel_->setVisible(shown);
    heatMap_->setVisible(shown);
    heatMapLegend_->setVisible(shown);
    if (!shown) return;
    const auto name = [this](Hid holding) {
        return QString::fromStdString(
            store_.holdings().FindHolding(holding).value_or(HoldingRecord{}).Name);
    };
    const QString title =
        subject_.is_portfolio()
            ? QString::fromStdString(store_.portfolios().PortfolioName(subject_.portfolio_id))
            : name(*subject_.holding_id);
    std::optional<QString> benchmarkTitle;
    if (growth_.benchmark)
        benchmarkTitle = tr("Benchmark: %1").arg(name(growth_.benchmark->holding_id));
    const double riskFree = RiskFreeRate(store_);
    riskPanel_->showFigures(title, benchmarkTitle, RiskColumns(growth_, riskFree, context_.locale),
                            Translated(RiskSourceText(riskFree, context_.locale)));
}

void GrowthView::onMonthChosen(const CalendarMonthReturn& month) {
    // The month's last day, or the as-of date in a month not yet over.
    ShowInceptionAudit(context_, store_, subject_, asOf_, month.end, this);
}

void GrowthView::fillChart() {
    QList<QPointF> values;
    QList<QPointF> costs;
    double top = 0;
    for (const GrowthPoint& point : growth_.month_ends) {
        const qreal time = ChartX(point.date);
        values.append({time, point.market_value});
        costs.append({time, point.cost_basis});
        top = std::max({top, point.market_value, point.cost_basis});
    }
    valueSeries_->replace(values);
    costSeries_->replace(costs);
    const bool empty = growth_.month_ends.empty();
    chart_->setTitle(empty ? tr("There is no history to show as of this date.") : QString());
    chartView_->setAccessibleDescription(empty ? chart_->title() : chartFiguresText());
    for (const QString& label : dateAxis_->categoriesLabels()) dateAxis_->remove(label);
    dateAxis_->setVisible(!empty);
    moneyAxis_->setVisible(!empty);
    if (empty) return;
    const Date first = growth_.month_ends.front().date;
    const Date last = growth_.month_ends.back().date;
    const TimeTicks ticks = TimeAxisTicks(first, last, kMaxTimeLabels);
    for (const Date tick : ticks.dates) {
        dateAxis_->append(QLocale().toString(ToQDate(tick), ticks.months ? "MMM yyyy" : "yyyy"),
                          ChartX(tick));
    }
    dateAxis_->setRange(ChartX(first), ChartX(last));
    moneyAxis_->setRange(0, top > 0 ? top * 1.05 : 1);
    moneyAxis_->applyNiceNumbers();
}

QString GrowthView::chartFiguresText() const {
    // A screen reader cannot follow the lines: it reads the figures at each year's end and at
    // the last month end instead.
    QStringList figures;
    for (size_t i = 0; i < growth_.month_ends.size(); ++i) {
        const GrowthPoint& point = growth_.month_ends[i];
        if (point.date.month() == 12 || i + 1 == growth_.month_ends.size()) {
            figures << Translated(GrowthPointText(point, context_.locale));
        }
    }
    return figures.join("; ");
}

void GrowthView::onPointHovered(const QPointF& point, bool entered) {
    if (!entered || growth_.month_ends.empty()) {
        QToolTip::hideText();
        return;
    }
    // The month end nearest to where the pointer touches either line.
    const auto nearest = std::min_element(growth_.month_ends.begin(), growth_.month_ends.end(),
                                          [&point](const GrowthPoint& a, const GrowthPoint& b) {
                                              return std::abs(ChartX(a.date) - point.x()) <
                                                     std::abs(ChartX(b.date) - point.x());
                                          });
    QToolTip::showText(QCursor::pos(), Translated(GrowthPointText(*nearest, context_.locale)),
                       chartView_);
}

void GrowthView::onSaveReportClicked() {
    Platform& platform = context_.platform;
    const std::string proposed =
        ReportWriter::GrowthFileName(subject_.portfolio_id, subject_.holding_id);
    const QString fileName = ChooseFileToSave(context_, FileKind::Report, tr("Save as Report"),
                                              QString::fromStdString(proposed),
                                              tr("HTML Files (*.html *.htm);;All Files (*)"));
    if (fileName.isEmpty() || !ReplaceConfirmed(platform, fileName)) return;
    BusyCursor busy(platform);
    ReportWriter writer(store_, context_.data_directory, context_.locale);
    Status saved = BuildGrowthPage(writer, subject_, asOf_, benchmark_);
    if (saved.ok()) {
        saved = writer.SavePage(std::filesystem::path(QFile::encodeName(fileName).toStdString()));
    }
    if (ShowIfFailed(platform, saved, tr("The report could not be written."))) return;
    OpenInBrowser(platform, fileName);
}

}  // namespace brevanta
