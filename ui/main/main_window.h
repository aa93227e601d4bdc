#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "store/records.h"
#include "ui/detail/investment_window.h"
#include "ui/main/directory_opening.h"
#include "ui/platform/ui_context.h"

class QAction;
class QMenu;
class QSplitter;

namespace brevanta {

class DataStore;
class InvestmentListPanel;
class InvestmentTransfer;
class ObservedStore;
class PortfolioTreePanel;

// The main window: the tree of portfolios and their investments, the list of the current
// portfolio's investments with the chosen figure columns and a total line, and the commands
// that create, show, delete and calculate them.
//
// Commands act on the tree's current node only while the user can see it; with none they do
// nothing. Nodes carry identifiers; records are looked up in the store when needed.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The tables are read from the context's data directory when the window is first shown;
    // the context outlives the window, which changes its data directory on a switch.
    explicit MainWindow(UiContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The portfolio whose investments the list shows; 0 for none.
    Pid currentPortfolioId() const;
    // The pattern of the figures in the list, from the "NUM_DEC" setting.
    const std::string& numberFormat() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void onFirstActivation();
    void onCurrentNodeChanged();
    void onNewPortfolio();
    void onNewInvestment();
    void onDetails();
    void onInvestmentActivated(Hid holdingId);
    void onHistory();
    void onPerformance();
    void onGrowth();
    void onDelete();
    void onCut();
    void onCopy();
    void onPaste();
    void onNodeDropped(Pid portfolioId, Hid holdingId, Pid targetPortfolioId);
    void onCalculate();
    void onOptions();
    void onImport();
    void onExport();
    void onReports();
    void onPortfolioPerformanceReport();
    void onMarketValueReport();
    void onInvestmentDetailReport();
    void onOpenDataDirectory();
    void onExpandAll();
    void onCollapseAll();
    void onExpansionChanged();
    void onHelpContents();
    void onAbout();

  private:
    void createActions();
    void createToolBar();
    void createMenus();
    // An action that runs slot once the store is loaded; without a slot it stays disabled.
    QAction* makeAction(const char* name, const QString& caption, void (MainWindow::*slot)(),
                        const QKeySequence& shortcut = {});
    // Loads the store of `directory` and shows it; false, with the window unchanged, when the
    // directory has no tables the user wants created or cannot be loaded.
    bool openDataDirectory(const std::filesystem::path& directory, OpeningMoment moment,
                           bool* declined = nullptr);
    // The directory the user picks to open; empty when cancelled.
    QString chooseDataDirectory();
    // The tree follows what the store says changed.
    void onPortfoliosChanged();
    void showStore();
    DataStore& store();
    // Whether the directory is open for writing: else every command that writes is disabled.
    bool mayWrite() const;
    void updateWriteActions();

    void updateHints(const QString& portfolioName, const QString& investmentName);
    void setInvestmentActionsEnabled(bool enabled);

    // The current node when the user can see it, else an invalid index.
    QModelIndex visibleCurrentNode() const;
    void showInvestment(const QModelIndex& node, InvestmentPage page);
    void deleteInvestment(const QModelIndex& node);
    void deletePortfolio(const QModelIndex& node);
    // Paste is there while something is on the clipboard and the selection is elsewhere.
    void updatePasteEnabled();
    // A report on the visible current node, with the main window's report codes.
    void runTreeReport(int code);
    // Asks whether to delete `name`; No is the default answer.
    bool deleteConfirmed(const QString& caption, const std::string& name);

    UiContext& context_;
    std::unique_ptr<ObservedStore> directory_;  // with its claim, while the window shows it
    bool activated_ = false;

    QSplitter* splitter_;
    PortfolioTreePanel* tree_;
    InvestmentListPanel* investmentList_;
    QMenu* treeMenu_;
    InvestmentTransfer* transfer_;

    QAction* newPortfolioAction_;
    QAction* newInvestmentAction_;
    QAction* detailsAction_;
    QAction* historyAction_;
    QAction* performanceAction_;
    QAction* growthAction_;
    QAction* deleteAction_;
    QAction* openDataDirectoryAction_;
    QAction* importAction_;
    QAction* exportAction_;
    QAction* exitAction_;
    QAction* cutAction_;
    QAction* copyAction_;
    QAction* pasteAction_;
    QAction* expandAllAction_;
    QAction* collapseAllAction_;
    QAction* calculateAction_;
    QAction* reportsAction_;
    QAction* optionsAction_;
    QAction* helpContentsAction_;
    QAction* aboutAction_;
    QAction* portfolioPerformanceReportAction_;
    QAction* marketValueReportAction_;
    QAction* investmentDetailReportAction_;
};

}  // namespace brevanta
