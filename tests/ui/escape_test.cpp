#include <gtest/gtest.h>

#include <QDialog>
#include <functional>

#include "gui_fixture.h"
#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/calculate_investment_dialog.h"
#include "ui/calc/options_dialog.h"
#include "ui/detail/investment_window.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/detail/transaction_dialog.h"
#include "ui/detail/value_dialog.h"
#include "ui/main/about_dialog.h"
#include "ui/main/portfolio_growth_window.h"
#include "ui/platform/help_viewer.h"
#include "ui/reports/report_dialog.h"
#include "ui/wizards/export_wizard.h"
#include "ui/wizards/import_wizard.h"

namespace brevanta::testing {
namespace {

class EscapeTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddGrowthAndIncome();
    }
};

// Every window but the main window can be left with the keyboard alone: Escape closes it
// without a question when nothing was changed.
TEST_F(EscapeTest, EscapeClosesEveryWindowButTheMainOne) {
    using Make = std::function<std::unique_ptr<QDialog>()>;
    const std::vector<std::pair<const char*, Make>> windows = {
        {"about", [] { return std::make_unique<AboutDialog>(); }},
        {"help", [] { return std::make_unique<HelpViewer>(); }},
        {"options", [&] { return std::make_unique<OptionsDialog>(context_, store()); }},
        {"calculate all", [&] { return std::make_unique<CalculateAllDialog>(context_); }},
        {"calculate one", [&] { return std::make_unique<CalculateInvestmentDialog>(context_); }},
        {"reports", [&] { return std::make_unique<ReportDialog>(context_, store()); }},
        {"portfolio",
         [&] { return std::make_unique<PortfolioDialog>(context_, store(), growth_); }},
        {"new investment",
         [&] { return std::make_unique<NewInvestmentDialog>(context_, store(), growth_); }},
        {"transaction",
         [&] {
             return std::make_unique<TransactionDialog>(context_, store(), bonds_, std::nullopt);
         }},
        {"value",
         [&] { return std::make_unique<ValueDialog>(context_, store(), bonds_, std::nullopt); }},
        {"import", [&] { return std::make_unique<ImportWizard>(context_, store()); }},
        {"export", [&] { return std::make_unique<ExportWizard>(context_, store()); }},
        {"growth",
         [&] { return std::make_unique<PortfolioGrowthWindow>(context_, store(), growth_); }},
        {"investment",
         [&] { return std::make_unique<InvestmentWindow>(context_, observed(), bonds_); }},
    };
    for (const auto& [name, make] : windows) {
        std::unique_ptr<QDialog> window = make();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())) << name;
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << name;
        EXPECT_TRUE(platform_.messages.empty()) << name;
    }
}

}  // namespace
}  // namespace brevanta::testing
