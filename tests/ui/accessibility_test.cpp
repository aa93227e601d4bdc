#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QChartView>
#include <QValueAxis>
#include <memory>

#include "engine/calculation_run.h"
#include "ui/calc/audit_viewer.h"
#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/options_dialog.h"
#include "ui/detail/growth_view.h"
#include "ui/detail/heat_map_view.h"
#include "ui/detail/investment_window.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/detail/return_bar_widget.h"
#include "ui/detail/transaction_dialog.h"
#include "ui/detail/value_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/main/main_window.h"
#include "ui/main/portfolio_growth_window.h"
#include "ui/platform/colour_scheme.h"
#include "ui/reports/report_dialog.h"
#include "ui/wizards/export_wizard.h"
#include "ui/wizards/import_wizard.h"

namespace brevanta::testing {
namespace {

class AccessibilityTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddGrowthAndIncome();
    }

    // The controls of the window that Tab can reach and a screen reader cannot name, each as
    // "window/objectName (class)".
    static QStringList Unnamed(QWidget& window) {
        window.show();
        QStringList unnamed;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            // Pages behind other tabs count; what is hidden for good does not.
            if (!(widget->focusPolicy() & Qt::TabFocus) || widget->isHidden()) continue;
            if (widget->window() != &window) continue;  // a pop-up such as a calendar
            // A spin box's edit and a view's viewport go by the name of what they are part of.
            QWidget* parent = widget->parentWidget();
            const auto* scrolled = qobject_cast<QAbstractScrollArea*>(parent);
            const bool part = qobject_cast<QAbstractSpinBox*>(parent) ||
                              (scrolled && scrolled->viewport() == widget);
            QWidget* named = part ? parent : widget;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(named);
            if (accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty()) continue;
            unnamed << window.objectName() + "/" + widget->objectName() + " (" +
                           widget->metaObject()->className() + " in " +
                           widget->parentWidget()->metaObject()->className() + ")";
        }
        window.close();
        return unnamed;
    }
};

TEST_F(AccessibilityTest, EveryControlTabReachesHasAName) {
    QStringList unnamed;
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<MainWindow>(context_));
    windows.push_back(std::make_unique<InvestmentWindow>(context_, observed(), bonds_));
    windows.push_back(std::make_unique<TransactionDialog>(context_, store(), bonds_, std::nullopt));
    windows.push_back(std::make_unique<ValueDialog>(context_, store(), bonds_, std::nullopt));
    windows.push_back(std::make_unique<PortfolioDialog>(context_, store(), growth_));
    windows.push_back(std::make_unique<NewInvestmentDialog>(context_, store(), growth_));
    windows.push_back(std::make_unique<OptionsDialog>(context_, store()));
    windows.push_back(std::make_unique<CalculateAllDialog>(context_));
    windows.push_back(std::make_unique<ReportDialog>(context_, store()));
    windows.push_back(std::make_unique<ImportWizard>(context_, store()));
    windows.push_back(std::make_unique<ExportWizard>(context_, store()));
    windows.push_back(std::make_unique<PortfolioGrowthWindow>(context_, store(), growth_));
    CalculationRun run(store(), clock_, dir_.path());
    windows.push_back(std::make_unique<AuditViewer>(
        context_, run.CalculateInvestmentAndPortfolio(bonds_, D(2024, 5, 31)),
        *store().holdings().FindHolding(bonds_)));
    for (const auto& window : windows) unnamed << Unnamed(*window);
    EXPECT_EQ(unnamed.join("\n").toStdString(), "");
}

QString AccessibleText(QObject* object, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

// What is drawn by hand is also there as text: each return bar's figure, each heat map cell's
// month and figure, the chart's values at the years' ends.
TEST_F(AccessibilityTest, HandDrawnFiguresCanBeReadAsText) {
    StoreFigures(bonds_, -5.25f);
    AddValue(bonds_, D(2020, 12, 31), 1100);
    InvestmentWindow window(context_, observed(), bonds_);
    auto* bar =
        window.findChild<QWidget*>("timeWeightedPage")->findChild<ReturnBarWidget*>("oneYearBar");
    EXPECT_EQ(AccessibleText(bar, QAccessible::Name), "1 Year");
    EXPECT_EQ(AccessibleText(bar, QAccessible::Description), "-5.25 %");

    GrowthView growth(context_, store(), GrowthSubject{growth_, bonds_});
    growth.show();
    const QAbstractItemModel* heatMap = growth.findChild<HeatMapView*>("heatMap")->model();
    EXPECT_EQ(heatMap->index(0, 11).data(Qt::AccessibleTextRole).toString().toStdString(),
              "Dec 2020: 10.00 %");
    const QString chart =
        AccessibleText(growth.findChild<QChartView*>("growthChart"), QAccessible::Description);
    EXPECT_TRUE(chart.contains("12/31/2020: market value 1,100.00, cost basis 1,000.00; "))
        << chart.toStdString();
}

// Under a dark palette the chart's text is the palette's, and a loss is a red that stands out
// from the dark base.
TEST_F(AccessibilityTest, HandDrawnColoursFollowADarkPalette) {
    const QPalette dark = DarkPalette();
    GrowthView growth(context_, store(), GrowthSubject{growth_, bonds_});
    growth.setPalette(dark);
    const QChart* chart = growth.findChild<QChartView*>("growthChart")->chart();
    EXPECT_EQ(chart->axes(Qt::Vertical).front()->labelsBrush().color(), dark.color(QPalette::Text));
    EXPECT_EQ(chart->backgroundBrush().color(), dark.color(QPalette::Base));

    ReturnBarWidget bar;
    bar.setPalette(dark);
    bar.setBar({ReturnBar::Side::Negative, 40}, "-5.00 %");
    const QColor fill = bar.grab().toImage().pixelColor(kNegativeBarLimit - 10, 8);
    EXPECT_EQ(fill, LossColour(dark));
    EXPECT_GT(fill.lightness() - dark.color(QPalette::Base).lightness(), 100);
}

}  // namespace
}  // namespace brevanta::testing
