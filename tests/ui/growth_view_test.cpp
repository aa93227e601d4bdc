#include "ui/detail/growth_view.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "reports/risk_rows.h"
#include "store/benchmark_choice.h"
#include "store/open_store.h"
#include "store/run_command.h"
#include "ui/calc/audit_viewer.h"
#include "ui/detail/heat_map_model.h"
#include "ui/detail/heat_map_view.h"
#include "ui/detail/investment_window.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/main/portfolio_growth_window.h"
#include "ui/platform/system_locale.h"

namespace brevanta::testing {
namespace {

QDate DateOf(const QString& text, const char* format) { return QDate::fromString(text, format); }

// The demo, as `brevanta-cli demo` writes it, calculated as of its last month end.
class GrowthDemoTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        demoDir_ = dir_.File("demo");
        int exitCode = -1;
        const std::string output =
            RunCommand(std::string(BREVANTA_CLI_PATH) + " demo '" + demoDir_ + "'", exitCode);
        ASSERT_EQ(exitCode, 0) << output;
        demo_ = OpenStore(demoDir_);
        ASSERT_TRUE(demo_);
        retirement_ = demo_->portfolios().AllPortfolios().front().Id;
        fund_ = demo_->holdings().HoldingsOfPortfolio(retirement_).front().Id;
    }

    // The cells after Portfolio and Investment of the line `brevanta-cli risk` prints for the
    // subject ("--investment 3" or "--portfolio 1"); the portfolio's own line is its last.
    QStringList CommandLineRisk(const std::string& subject) {
        int exitCode = -1;
        const QString output = QString::fromStdString(RunCommand(
            "cd '" + demoDir_ + "' && " + BREVANTA_CLI_PATH + " risk --csv " + subject, exitCode));
        EXPECT_EQ(exitCode, 0) << output.toStdString();
        const QStringList lines = output.split("\r\n", Qt::SkipEmptyParts);
        return lines.back().split(',').mid(2);
    }

    // What the view shows, each date in the command line's format.
    static QStringList ShownRisk(const QWidget& view) {
        QStringList cells;
        for (size_t i = 0; i < kRiskFigureCaptions.size(); ++i) {
            QString text = view.findChild<QLabel*>(QString("riskFigure%1").arg(i))->text();
            if (const QDate date = DateOf(text, "M/d/yyyy"); date.isValid()) {
                text = date.toString("MM/dd/yyyy");
            }
            cells << text;
        }
        return cells;
    }

    static HeatMapView* HeatMap(QWidget& view) { return view.findChild<HeatMapView*>("heatMap"); }

    // The audit viewer's inception tab at the period holding the month's last day, or the
    // as-of date in its last month.
    static void ExpectInceptionPeriodHolding(AuditViewer& viewer, Date day, bool portfolio) {
        EXPECT_EQ(viewer.findChild<QTabWidget*>("auditTabs")->currentIndex(), 5);
        EXPECT_EQ(viewer.findChild<QRadioButton*>("portfolioButton")->isChecked(), portfolio);
        const QTableView* list = viewer.findChild<QTableView*>("auditList");
        const QModelIndexList selected = list->selectionModel()->selectedRows();
        ASSERT_EQ(selected.size(), 1);
        const QAbstractItemModel* model = list->model();
        const QDate start =
            DateOf(model->index(selected[0].row(), 0).data().toString(), "MM/dd/yyyy");
        const QDate end =
            DateOf(model->index(selected[0].row(), 1).data().toString(), "MM/dd/yyyy");
        const QDate shown = ToQDate(day);
        EXPECT_LT(start, shown);
        EXPECT_LE(shown, end);
    }

    std::string demoDir_;
    std::unique_ptr<DataStore> demo_;
    Pid retirement_{};
    Hid fund_{};
};

// The figures shown are those the command line prints, each caption explained in its tooltip.
TEST_F(GrowthDemoTest, RiskFiguresAreTheCommandLinesWithTheirDefinitions) {
    GrowthView investment(context_, *demo_, {retirement_, fund_});
    investment.show();
    EXPECT_EQ(ShownRisk(investment), CommandLineRisk("--investment " + IdText(fund_)));
    EXPECT_EQ(investment.findChild<QLabel*>("riskCaption1")->toolTip(),
              kRiskFigureCaptions[1].definition);
    EXPECT_FALSE(investment.findChild<QLabel*>("benchmarkRiskTitle")->isVisible());

    PortfolioGrowthWindow portfolio(context_, *demo_, retirement_);
    portfolio.show();
    EXPECT_EQ(ShownRisk(portfolio), CommandLineRisk("--portfolio " + IdText(retirement_)));
    new QAbstractItemModelTester(HeatMap(portfolio)->model(),
                                 QAbstractItemModelTester::FailureReportingMode::Fatal, &portfolio);
}

// A click on a month of the portfolio, or Enter on one of the investment, opens the audit
// viewer's inception tab in that mode at the month's period.
TEST_F(GrowthDemoTest, AMonthChosenOnTheHeatMapOpensItsPeriodInTheAuditViewer) {
    PortfolioGrowthWindow portfolio(context_, *demo_, retirement_);
    portfolio.show();
    HeatMapView* map = HeatMap(portfolio);
    const QModelIndex march = map->model()->index(2, 2);
    const std::optional<CalendarMonthReturn> month = map->heatMapModel()->monthAt(march);
    ASSERT_TRUE(month);
    int shown = 0;
    OnModal<AuditViewer>([&](AuditViewer& viewer) {
        ++shown;
        ExpectInceptionPeriodHolding(viewer, month->end, true);
    });
    map->scrollTo(march);
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->visualRect(march).center());
    EXPECT_EQ(shown, 1);

    GrowthView investment(context_, *demo_, {retirement_, fund_});
    investment.show();
    map = HeatMap(investment);
    const QModelIndex last = map->model()->index(map->model()->rowCount() - 1, 0);
    OnModal<AuditViewer>([&](AuditViewer& viewer) {
        ++shown;
        ExpectInceptionPeriodHolding(viewer, map->heatMapModel()->monthAt(last)->end, false);
    });
    map->setCurrentIndex(last);
    QTest::keyClick(map, Qt::Key_Return);
    EXPECT_EQ(shown, 2);
}

class BenchmarkTest : public GuiTest {};

// Chosen in the portfolio dialog ("None" first), the benchmark is stored as the command line
// stores it and shown beside the returns of the portfolio's investments.
TEST_F(BenchmarkTest, ChosenInThePortfolioDialogItIsStoredAndShownBesideTheReturns) {
    AddGrowthAndIncome();
    StoreFigures(bonds_, 5);
    PortfolioDialog dialog(context_, observed().store(), growth_);
    Drive<PortfolioDialog>(dialog, [](PortfolioDialog& shown) {
        auto* combo = shown.findChild<QComboBox*>("benchmarkCombo");
        ASSERT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->itemText(0), "None");
        EXPECT_EQ(combo->currentIndex(), 0);
        EXPECT_EQ(combo->itemText(2), "Stocks (Growth)");
        combo->setCurrentIndex(2);
        shown.findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(BenchmarkOf(store(), growth_), stocks_);

    InvestmentWindow window(context_, observed(), bonds_);
    window.show();
    // Stocks kept its initial value, so it returned 0 over every period it is old enough for.
    const auto label = [&window](const char* name) {
        return window.findChild<QWidget*>("timeWeightedPage")->findChild<QLabel*>(name);
    };
    EXPECT_EQ(label("quarterBenchmarkLabel")->text(), "0.00 %");
    EXPECT_EQ(label("quarterDifferenceLabel")->text(), "5.00");
    EXPECT_EQ(label("tenYearBenchmarkLabel")->text(), "n/a");
    EXPECT_FALSE(label("benchmarkCaption")->isHidden());
    window.showPage(InvestmentPage::Growth);
    const QAbstractItemModel* years = window.findChild<QTableView*>("yearTable")->model();
    EXPECT_EQ(years->headerData(6, Qt::Horizontal).toString(), "Benchmark %");
    EXPECT_EQ(window.findChild<QLabel*>("benchmarkRiskTitle")->text(), "Benchmark: Stocks");

    PortfolioDialog again(context_, observed().store(), growth_);
    EXPECT_EQ(again.findChild<QComboBox*>("benchmarkCombo")->currentText(), "Stocks (Growth)");

    // A new portfolio takes its benchmark in the same change that adds it.
    PortfolioDialog added(context_, observed().store(), std::nullopt);
    Drive<PortfolioDialog>(added, [](PortfolioDialog& shown) {
        shown.findChild<QLineEdit*>("nameEdit")->setText("Indexed");
        shown.findChild<QComboBox*>("benchmarkCombo")->setCurrentIndex(1);
        shown.findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(BenchmarkOf(store(), added.portfolioId()), bonds_);
    EXPECT_TRUE(platform_.messages.empty());
}

}  // namespace
}  // namespace brevanta::testing
