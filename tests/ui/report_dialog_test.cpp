#include "ui/reports/report_dialog.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

class ReportDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddGrowthAndIncome();
    }

    // Runs the dialog with act; it is closed with Cancel if act left it open. The dialog's
    // visibility after act is kept in stayedOpen_.
    int Run(std::function<void(ReportDialog&)> act) {
        ReportDialog dialog(context_, store());
        return Drive<ReportDialog>(dialog, [this, act](ReportDialog& shown) {
            act(shown);
            stayedOpen_ = shown.isVisible();
        });
    }

    static void Click(ReportDialog& dialog, const QString& name) {
        dialog.findChild<QAbstractButton*>(name)->click();
    }
    static QListWidget* List(ReportDialog& dialog, const char* name) {
        return dialog.findChild<QListWidget*>(name);
    }
    QString Page(const std::string& name) { return QString::fromStdString(File(name.c_str())); }

    bool stayedOpen_ = false;
};

TEST_F(ReportDialogTest, CodeFollowsTheRadioButtonAndTheTicksUnderIt) {
    struct Case {
        const char* report;
        bool weighted;
        int both, dollarOnly, timeOnly;
    };
    const Case cases[] = {
        {"portfolioPerformance", true, 10, 11, 12},    {"marketValues", false, 20, 20, 20},
        {"investmentDetail", true, 30, 31, 32},        {"investmentPerformance", true, 40, 41, 42},
        {"investmentTransactions", false, 50, 50, 50}, {"investmentGrowth", false, 60, 60, 60},
        {"portfolioGrowth", false, 70, 70, 70},
    };
    Run([&](ReportDialog& dialog) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.report);
            const QString name = c.report;
            Click(dialog, name + "Button");
            EXPECT_EQ(dialog.reportCode(), c.both);
            if (!c.weighted) continue;
            auto* dollar = dialog.findChild<QCheckBox*>(name + "DollarBox");
            auto* time = dialog.findChild<QCheckBox*>(name + "TimeBox");
            EXPECT_TRUE(dollar->isChecked() && time->isChecked());
            time->setChecked(false);
            EXPECT_EQ(dialog.reportCode(), c.dollarOnly);
            dollar->setChecked(false);
            EXPECT_EQ(dialog.reportCode(), c.both);
            time->setChecked(true);
            EXPECT_EQ(dialog.reportCode(), c.timeOnly);
        }
    });
}

TEST_F(ReportDialogTest, OkWritesTheChosenReportAndOpensIt) {
    EXPECT_EQ(
        Run([](ReportDialog& dialog) {
            EXPECT_TRUE(dialog.findChild<QRadioButton*>("portfolioPerformanceButton")->isChecked());
            EXPECT_EQ(ListLines(List(dialog, "portfolioList")), QStringList({"Growth", "Income"}));
            EXPECT_FALSE(List(dialog, "investmentList")->isEnabled());
            Click(dialog, "okButton");
        }),
        QDialog::Accepted);
    Run([](ReportDialog& dialog) {
        Click(dialog, "investmentDetailButton");
        List(dialog, "investmentList")->setCurrentRow(1);
        Click(dialog, "okButton");
    });
    const QString portfolioPage = Page("report1_.html");
    const QString stocksPage = Page("report1_2.html");
    EXPECT_EQ(platform_.opened_in_browser, std::vector<QString>({portfolioPage, stocksPage}));
    EXPECT_TRUE(std::filesystem::exists(stocksPage.toStdString()));
}

TEST_F(ReportDialogTest, InvestmentChoiceStaysBetweenInvestmentReportsOnly) {
    Run([](ReportDialog& dialog) {
        QListWidget* investments = List(dialog, "investmentList");
        Click(dialog, "investmentPerformanceButton");
        EXPECT_TRUE(investments->isEnabled());
        EXPECT_EQ(ListLines(investments), QStringList({"Bonds", "Stocks"}));
        investments->setCurrentRow(1);
        Click(dialog, "investmentTransactionsButton");
        EXPECT_EQ(investments->currentRow(), 1);

        Click(dialog, "marketValuesButton");
        EXPECT_FALSE(investments->isEnabled());
        EXPECT_EQ(investments->count(), 0);
        Click(dialog, "investmentTransactionsButton");
        EXPECT_EQ(ListLines(investments), QStringList({"Bonds", "Stocks"}));
        EXPECT_EQ(investments->currentRow(), 0);

        List(dialog, "portfolioList")->setCurrentRow(1);
        EXPECT_EQ(investments->count(), 0);
    });
}

TEST_F(ReportDialogTest, MissingPortfolioOrInvestmentIsRefusedWithTheDialogOpen) {
    Run([](ReportDialog& dialog) {
        Click(dialog, "investmentDetailButton");
        List(dialog, "portfolioList")->setCurrentRow(1);  // Income: no investments
        Click(dialog, "okButton");
    });
    EXPECT_TRUE(stayedOpen_);
    ASSERT_TRUE(store().portfolios().DeletePortfolio(growth_).ok());
    ASSERT_TRUE(store().portfolios().DeletePortfolio(income_).ok());
    Run([](ReportDialog& dialog) { Click(dialog, "okButton"); });
    EXPECT_TRUE(stayedOpen_);
    EXPECT_EQ(platform_.Texts(),
              std::vector<QString>({"You must select an Investment to run a report on.",
                                    "You must select a Portfolio to run a report on."}));
    EXPECT_TRUE(platform_.opened_in_browser.empty());
}

TEST_F(ReportDialogTest, TabOrderGoesDownTheReportsThenTheListsThenTheButtons) {
    Run([](ReportDialog& dialog) {
        const QStringList order = {"portfolioPerformanceButton",
                                   "portfolioPerformanceDollarBox",
                                   "portfolioPerformanceTimeBox",
                                   "marketValuesButton",
                                   "portfolioGrowthButton",
                                   "investmentDetailButton",
                                   "investmentDetailDollarBox",
                                   "investmentDetailTimeBox",
                                   "investmentPerformanceButton",
                                   "investmentPerformanceDollarBox",
                                   "investmentPerformanceTimeBox",
                                   "investmentTransactionsButton",
                                   "investmentGrowthButton",
                                   "portfolioList",
                                   "investmentList",
                                   "okButton",
                                   "cancelButton",
                                   "helpButton"};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QWidget* next = dialog.findChild<QWidget*>(order[i - 1])->nextInFocusChain();
            // Viewports take no focus; radio buttons but the checked one are reached by arrows.
            while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
            EXPECT_EQ(next->objectName().toStdString(), order[i].toStdString());
        }
        Click(dialog, "helpButton");
    });
    EXPECT_EQ(platform_.help_requests, std::vector<QString>({"REPORT"}));
}

}  // namespace
}  // namespace brevanta::testing
