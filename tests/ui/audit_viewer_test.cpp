#include "ui/calc/audit_viewer.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include "engine/calculation_run.h"
#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;
using Rows = std::vector<std::vector<QString>>;

// Alpha holds Old (from 2022) and Young (four months old at 31 May 2024); Beta holds Baby
// (two months old) and Tiny (two weeks old). Month-end values make the quarter returns plain:
// Young 3 %, Alpha 11 %.
class AuditViewerTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        const Pid alpha = AddPortfolio("Alpha");
        const Pid beta = AddPortfolio("Beta");
        const Hid old = AddHolding(alpha, "Old", D(2022, 1, 31), 2000);
        young_ = AddHolding(alpha, "Young", D(2024, 1, 31), 1000);
        baby_ = AddHolding(beta, "Baby", D(2024, 3, 31), 1000);
        tiny_ = AddHolding(beta, "Tiny", D(2024, 5, 15), 1000);
        const Date ends[] = {D(2024, 2, 29), D(2024, 3, 31), D(2024, 4, 30), kDate};
        for (int month = 0; month < 4; ++month) {
            AddValue(old, ends[month], 2000 + 100 * month);
            AddValue(young_, ends[month], 1000 + 10 * month);
        }
    }

    // Calculates the investment, then its portfolio, and shows the viewer on the calculations.
    int Show(Hid holding_id, std::function<void(AuditViewer&)> act) {
        CalculationRun run(store(), clock_, dir_.path());
        const HoldingRecord holding = *store().holdings().FindHolding(holding_id);
        const InvestmentAndPortfolio calculations =
            run.CalculateInvestmentAndPortfolio(holding_id, kDate);
        EXPECT_TRUE(calculations.investment.calculated());
        EXPECT_TRUE(calculations.portfolio.calculated());
        OnModal<AuditViewer>(act);
        const int result = ShowCalculationAudit(context_, calculations, holding, nullptr);
        EXPECT_EQ(platform_.busy_depth, 0);
        return result;
    }

    static QTabWidget* Tabs(AuditViewer& viewer) {
        return viewer.findChild<QTabWidget*>("auditTabs");
    }
    static std::vector<QString> VisibleTabs(AuditViewer& viewer) {
        std::vector<QString> titles;
        for (int tab = 0; tab < Tabs(viewer)->count(); ++tab) {
            if (Tabs(viewer)->isTabVisible(tab)) titles.push_back(Tabs(viewer)->tabText(tab));
        }
        return titles;
    }
    static QString Label(AuditViewer& viewer, const char* name) {
        return viewer.findChild<QLabel*>(name)->text();
    }
    static Rows ListRows(AuditViewer& viewer) {
        const QAbstractItemModel* model = viewer.findChild<QTableView*>("auditList")->model();
        Rows rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            rows.emplace_back();
            for (int column = 0; column < model->columnCount(); ++column) {
                rows.back().push_back(model->index(row, column).data().toString());
            }
        }
        return rows;
    }

    const Date kDate = Date::Ymd(2024, 5, 31);
    Hid young_{}, baby_{}, tiny_{};
};

TEST_F(AuditViewerTest, FourMonthOldInvestmentShowsItsQuarter) {
    const int result = Show(young_, [](AuditViewer& viewer) {
        QAbstractItemModelTester tester(viewer.findChild<QTableView*>("auditList")->model());
        EXPECT_EQ(viewer.windowTitle(), "Calculation Audit Detail: Young");
        EXPECT_EQ(VisibleTabs(viewer), std::vector<QString>({"Quarter", "From Inception"}));
        EXPECT_EQ(Tabs(viewer)->currentIndex(), 0);
        EXPECT_TRUE(viewer.findChild<QRadioButton*>("investmentButton")->isChecked());
        EXPECT_EQ(Label(viewer, "quarterLabel"), "Quarter ROR: 3 %");
        EXPECT_EQ(ListRows(viewer),
                  Rows({{"02/29/2024", "03/31/2024", "1,000.00", "1,010.00", "0.00", "1.01"},
                        {"03/31/2024", "04/30/2024", "1,010.00", "1,020.00", "0.00", "1.009901"},
                        {"04/30/2024", "05/31/2024", "1,020.00", "1,030.00", "0.00", "1.009804"}}));
        Tabs(viewer)->setCurrentIndex(5);
        EXPECT_EQ(Label(viewer, "inceptionLabel"), "From Inception of 1/31/2024 ROR: 3 %");
        EXPECT_EQ(ListRows(viewer).size(), 4u);
        viewer.findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST_F(AuditViewerTest, PortfolioViewShowsThePortfolioMonthsUnderTheSameTabs) {
    Show(young_, [](AuditViewer& viewer) {
        viewer.findChild<QRadioButton*>("portfolioButton")->click();
        EXPECT_EQ(Label(viewer, "quarterLabel"), "Quarter ROR: 11 %");
        EXPECT_EQ(ListRows(viewer),
                  Rows({{"02/29/2024", "03/31/2024", "3,000.00", "3,110.00", "0.00", "1.036667"},
                        {"03/31/2024", "04/30/2024", "3,110.00", "3,220.00", "0.00", "1.03537"},
                        {"04/30/2024", "05/31/2024", "3,220.00", "3,330.00", "0.00", "1.034161"}}));
        // Alpha is older than a year, but the tabs follow the investment.
        EXPECT_EQ(VisibleTabs(viewer), std::vector<QString>({"Quarter", "From Inception"}));
    });
}

TEST_F(AuditViewerTest, TwoMonthOldInvestmentOpensOnItsOnlyTab) {
    Show(baby_, [this](AuditViewer& viewer) {
        EXPECT_EQ(VisibleTabs(viewer), std::vector<QString>({"From Inception"}));
        EXPECT_EQ(Tabs(viewer)->currentIndex(), 5);
        EXPECT_EQ(Label(viewer, "inceptionLabel"), "From Inception of 3/31/2024 ROR: 0 %");
        EXPECT_EQ(ListRows(viewer).size(), 2u);
        viewer.findChild<QPushButton*>("helpButton")->click();
        EXPECT_EQ(platform_.help_requests, std::vector<QString>({"AUDIT"}));
    });
}

TEST_F(AuditViewerTest, InvestmentYoungerThanAMonthExplainsTheEmptyList) {
    Show(tiny_, [](AuditViewer& viewer) {
        EXPECT_TRUE(viewer.findChild<QLabel*>("noDetailLabel")->isVisible());
        EXPECT_FALSE(Tabs(viewer)->isVisible());
        EXPECT_TRUE(ListRows(viewer).empty());
        EXPECT_FALSE(viewer.findChild<QPushButton*>("saveAsButton")->isEnabled());
    });
}

TEST_F(AuditViewerTest, SaveAsAsksBeforeReplacingAndReportsAFailure) {
    const std::string existing = dir_.File("audit.csv");
    const std::string unwritable = dir_.File("missing/audit.csv");
    WriteBytes(existing, "keep");
    platform_.file_names = {QString::fromStdString(existing), QString::fromStdString(unwritable)};
    platform_.yes_no_answers = {false};
    Show(young_, [](AuditViewer& viewer) {
        viewer.findChild<QPushButton*>("saveAsButton")->click();
        viewer.findChild<QPushButton*>("saveAsButton")->click();
    });
    EXPECT_EQ(ReadBytes(existing), "keep");
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Question);
    EXPECT_EQ(platform_.messages[0].text,
              QString::fromStdString(existing) + " already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(platform_.messages[1].kind, Kind::Error);
    EXPECT_EQ(platform_.messages[1].text, QString::fromStdString("Could not write " + unwritable +
                                                                 ": No such file or directory"));

    // A decimal comma on screen never reaches the file, where it would split the columns.
    context_.locale.decimal_separator = ',';
    context_.locale.thousand_separator = '.';
    const std::string saved = dir_.File("saved.csv");
    platform_.file_names = {QString::fromStdString(saved)};
    Show(young_,
         [](AuditViewer& viewer) { viewer.findChild<QPushButton*>("saveAsButton")->click(); });
    const QStringList lines = QString::fromStdString(ReadBytes(saved)).split("\r\n");
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[1].split(", ").size(), 6) << lines[1].toStdString();
    EXPECT_FALSE(QString(lines[1]).remove(", ").contains(QChar(','))) << lines[1].toStdString();
}

}  // namespace
}  // namespace brevanta::testing
