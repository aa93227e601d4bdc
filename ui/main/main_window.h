#pragma once

#include <QIcon>
#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "store/records.h"
#include "ui/detail/investment_window.h"
#include "ui/platform/ui_context.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace brevanta {

class DataStore;

// The main window: the tree of portfolios and their investments, the list of the current
// portfolio's investments with the chosen figure columns and a total line, and the commands
// that create, show, delete and calculate them.
//
// Tree nodes carry identifiers, not records: a portfolio node its portfolio's Id, an
// investment node its PortfolioId and Id. Records are looked up in the store when needed, so
// a node never holds a record a store reload has replaced.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The tables are read from the context's data directory at the first activation.
    explicit MainWindow(UiContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The portfolio whose investments the list shows; 0 for none.
    int CurrentPortfolioId() const { return current_portfolio_id_; }
    // The pattern of the figures in the list, from the "NUM_DEC" setting.
    const std::string& NumberFormat() const { return number_format_; }

    void FormCreate();
    // Loads the store and fills columns, tree and list; runs once, on the first showing. A
    // store that cannot be loaded is answered with DataUnavailableMessage and the window
    // closes, which ends the program.
    void FormActivate();

    void ApplyNumberFormat();
    void BuildColumns();
    void FillTree();
    // Refills the list and the caption above it for the portfolio, which becomes the current
    // one; a portfolio that does not exist leaves both empty.
    void FillInvestmentList(int portfolioId);
    void UpdateHints(const QString& portfolioName, const QString& investmentName);
    void TreeView1Change(QTreeWidgetItem* node);
    void TreeView1DblClick();

    void NewPortfolioClick();
    void NewInvestmentClick();
    void DetailsClick();
    void HistoryClick();
    void PerformanceClick();
    void DeleteClick();
    void CalculateClick();
    void ExpandAllClick();
    void CollapseAllClick();
    void HelpContentsClick();
    void AboutClick();
    void ExitClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using Handler = void (MainWindow::*)();

    void CreateSpeedButtons(QWidget* panel);
    void CreateMainMenu();
    void CreatePopupMenu();
    QToolButton* AddSpeedButton(QWidget* panel, const char* name, const QString& caption,
                                const QString& hint, QIcon icon, Handler handler);
    // A menu item that runs handler once the store is loaded; no handler: does nothing yet.
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     Handler handler = nullptr, const QKeySequence& shortcut = {});
    void RunCommand(Handler handler);

    QTreeWidgetItem* AddPortfolioNode(const PortfolioRecord& portfolio);
    QTreeWidgetItem* AddInvestmentNode(QTreeWidgetItem* portfolioNode,
                                       const HoldingRecord& holding);
    QTreeWidgetItem* SelectedNode() const;
    void ShowInvestmentAt(QTreeWidgetItem* node, InvestmentPage page);
    void DeleteInvestment(QTreeWidgetItem* node);
    void DeletePortfolio(QTreeWidgetItem* node);
    void AddListRow(const QStringList& cells);
    void SetInvestmentItemsEnabled(bool enabled);

    UiContext& context_;
    std::unique_ptr<DataStore> store_;
    bool activated_ = false;
    int current_portfolio_id_ = 0;
    std::string number_format_;
    std::vector<ColumnRecord> columns_;  // the visible columns after "Name"
    int clipboard_portfolio_id_ = 0;     // the portfolio of a cut or copied investment

    QIcon portfolio_image_;                   // image 0
    QIcon portfolio_with_investments_image_;  // image 0, and image 1 when selected
    QIcon investment_image_;                  // image 2

    QToolButton* sbtnNewPort;
    QToolButton* sbtnNewInvest;
    QToolButton* sbtnCalc;
    QToolButton* sbtnProp;
    QToolButton* sbtnHist;
    QToolButton* sbtnPerf;
    QToolButton* sbtnHelp;
    QLabel* Panel3;
    QTreeWidget* TreeView1;
    QLabel* panelCont;
    QTreeWidget* ListView1;
    QMenu* PopupMenu1;

    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QAction* popCut;
    QAction* popCopy;
    QAction* popPaste;
    QAction* popInvestmentDetail;
};

}  // namespace brevanta
