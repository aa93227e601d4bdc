#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <memory>

#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/options_dialog.h"
#include "ui/detail/investment_window.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/detail/transaction_dialog.h"
#include "ui/detail/value_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/main/portfolio_growth_window.h"
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
    for (const auto& window : windows) unnamed << Unnamed(*window);
    EXPECT_EQ(unnamed.join("\n").toStdString(), "");
}

}  // namespace
}  // namespace brevanta::testing
