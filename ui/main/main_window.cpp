#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include "reports/report_writer.h"
#include "store/data_store.h"
#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/options_dialog.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/main/about_dialog.h"
#include "ui/main/directory_opening.h"
#include "ui/main/investment_list_panel.h"
#include "ui/main/investment_transfer.h"
#include "ui/main/portfolio_growth_window.h"
#include "ui/main/portfolio_tree_model.h"
#include "ui/main/portfolio_tree_panel.h"
#include "ui/main/starting_directory.h"
#include "ui/platform/observed_store.h"
#include "ui/platform/screen_fit.h"
#include "ui/reports/open_report.h"
#include "ui/reports/report_dialog.h"
#include "ui/wizards/export_wizard.h"
#include "ui/wizards/import_wizard.h"

namespace brevanta {

namespace {

constexpr char kGeometryKey[] = "mainWindow/geometry";
constexpr char kSplitterKey[] = "mainWindow/splitter";

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The desktop theme's icon where it has one, else the program's own.
QIcon ThemeIcon(const char* name, const char* bundled) {
    return QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/%1.png").arg(bundled)));
}

}  // namespace

MainWindow::MainWindow(UiContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      tree_(new PortfolioTreePanel(this)),
      investmentList_(new InvestmentListPanel(context, this)),
      treeMenu_(new QMenu(this)),
      transfer_(new InvestmentTransfer(context, this)) {
    setObjectName("mainWindow");
    setWindowTitle(kApplicationTitle);
    splitter_->setObjectName("splitter");
    treeMenu_->setObjectName("treeMenu");
    splitter_->addWidget(tree_);
    splitter_->addWidget(investmentList_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({230, 670});
    setCentralWidget(splitter_);
    statusBar()->setObjectName("statusLine");

    createActions();
    createToolBar();
    createMenus();

    connect(tree_, &PortfolioTreePanel::currentNodeChanged, this,
            &MainWindow::onCurrentNodeChanged);
    connect(tree_, &PortfolioTreePanel::expansionChanged, this, &MainWindow::onExpansionChanged);
    connect(tree_, &PortfolioTreePanel::nodeActivated, this, [this] {
        if (PortfolioTreeModel::isInvestment(tree_->visibleCurrentNode())) onDetails();
    });
    connect(tree_, &PortfolioTreePanel::deletePressed, deleteAction_, &QAction::trigger);
    connect(tree_, &PortfolioTreePanel::menuRequested, this,
            [this](const QPoint& at) { treeMenu_->popup(at); });
    connect(tree_, &PortfolioTreePanel::nodeDropped, this, &MainWindow::onNodeDropped);
    // A drag replaces a pending Cut or Copy, as a new Cut or Copy would.
    connect(tree_, &PortfolioTreePanel::dragStarted, transfer_, &InvestmentTransfer::clear);
    connect(tree_, &PortfolioTreePanel::dragMessage, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    connect(investmentList_, &InvestmentListPanel::investmentActivated, this,
            &MainWindow::onInvestmentActivated);
    connect(transfer_, &InvestmentTransfer::changed, this, &MainWindow::updatePasteEnabled);

    resize(900, 560);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::makeAction(const char* name, const QString& caption,
                                void (MainWindow::*slot)(), const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (slot) {
        connect(action, &QAction::triggered, this, [this, slot] {
            // Before the store is loaded (or after it failed to) there is nothing to act on.
            if (directory_) (this->*slot)();
        });
    } else {
        action->setEnabled(false);  // its command is not available in this release
    }
    QMainWindow::addAction(action);  // shortcuts work while the menus are closed
    return action;
}

void MainWindow::createActions() {
    newPortfolioAction_ = makeAction("newPortfolioAction", tr("&Portfolio..."),
                                     &MainWindow::onNewPortfolio, Qt::CTRL | Qt::Key_N);
    newPortfolioAction_->setIconText(tr("Portfolio"));
    newPortfolioAction_->setToolTip(tr("Add A New Portfolio"));
    newPortfolioAction_->setIcon(ThemeIcon("folder-new", "portfolio"));

    newInvestmentAction_ = makeAction("newInvestmentAction", tr("&Investment..."),
                                      &MainWindow::onNewInvestment, Qt::CTRL | Qt::Key_I);
    newInvestmentAction_->setIconText(tr("Investment"));
    newInvestmentAction_->setToolTip(tr("Add A New Investment"));
    newInvestmentAction_->setIcon(ThemeIcon("document-new", "investment"));

    calculateAction_ = makeAction("calculateAction", tr("&Calculate Performance..."),
                                  &MainWindow::onCalculate, Qt::CTRL | Qt::Key_P);
    calculateAction_->setIconText(tr("Calculate"));
    calculateAction_->setToolTip(tr("Calculate Performance"));
    calculateAction_->setIcon(ThemeIcon("accessories-calculator", "calculate"));

    detailsAction_ = makeAction("detailsAction", tr("&Details..."), &MainWindow::onDetails,
                                Qt::CTRL | Qt::Key_D);
    detailsAction_->setIconText(tr("Details"));
    detailsAction_->setToolTip(tr("Show Details For The Current Portfolio Or Investment"));
    detailsAction_->setIcon(ThemeIcon("document-properties", "details"));

    // History and Performance have speed buttons only: their keys reach them without a mouse.
    historyAction_ =
        makeAction("historyAction", tr("History"), &MainWindow::onHistory, Qt::CTRL | Qt::Key_H);
    historyAction_->setIcon(ThemeIcon("x-office-calendar", "history"));
    historyAction_->setEnabled(false);

    performanceAction_ = makeAction("performanceAction", tr("Performance"),
                                    &MainWindow::onPerformance, Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    performanceAction_->setIcon(ThemeIcon("office-chart-line", "performance"));
    performanceAction_->setEnabled(false);

    growthAction_ =
        makeAction("growthAction", tr("&Growth..."), &MainWindow::onGrowth, Qt::CTRL | Qt::Key_G);
    growthAction_->setToolTip(tr("Returns By Calendar Year And The Growth Of The Money"));

    helpContentsAction_ =
        makeAction("helpContentsAction", tr("&Contents"), &MainWindow::onHelpContents, Qt::Key_F1);
    helpContentsAction_->setIconText(tr("Help"));
    helpContentsAction_->setToolTip(tr("Opens the Help File"));
    helpContentsAction_->setIcon(ThemeIcon("help-contents", "help"));

    deleteAction_ = makeAction("deleteAction", tr("D&elete"), &MainWindow::onDelete);
    openDataDirectoryAction_ = makeAction("openDataDirectoryAction", tr("&Open Data Directory..."),
                                          &MainWindow::onOpenDataDirectory, Qt::CTRL | Qt::Key_O);
    importAction_ = makeAction("importAction", tr("&Import..."), &MainWindow::onImport);
    exportAction_ = makeAction("exportAction", tr("Expor&t..."), &MainWindow::onExport);
    exitAction_ = new QAction(tr("E&xit"), this);
    exitAction_->setObjectName("exitAction");
    exitAction_->setShortcut(Qt::CTRL | Qt::Key_Q);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    cutAction_ =
        makeAction("cutAction", tr("&Cut Investment"), &MainWindow::onCut, Qt::CTRL | Qt::Key_X);
    copyAction_ =
        makeAction("copyAction", tr("C&opy Investment"), &MainWindow::onCopy, Qt::CTRL | Qt::Key_C);
    pasteAction_ = makeAction("pasteAction", tr("&Paste Investment"), &MainWindow::onPaste,
                              Qt::CTRL | Qt::Key_V);
    for (QAction* action : {cutAction_, copyAction_, pasteAction_}) action->setEnabled(false);
    expandAllAction_ = makeAction("expandAllAction", tr("&Expand All Portfolios"),
                                  &MainWindow::onExpandAll, Qt::Key_F2);
    collapseAllAction_ = makeAction("collapseAllAction", tr("Co&llapse All Portfolios"),
                                    &MainWindow::onCollapseAll, Qt::Key_F3);

    reportsAction_ = makeAction("reportsAction", tr("&Reports..."), &MainWindow::onReports,
                                Qt::CTRL | Qt::Key_R);
    optionsAction_ = makeAction("optionsAction", tr("&Options..."), &MainWindow::onOptions);
    aboutAction_ = makeAction("aboutAction", tr("&About..."), &MainWindow::onAbout);

    portfolioPerformanceReportAction_ =
        makeAction("portfolioPerformanceReportAction", tr("&Portfolio - Performance"),
                   &MainWindow::onPortfolioPerformanceReport);
    marketValueReportAction_ =
        makeAction("marketValueReportAction", tr("Portfolio - &Market Value and Cash Flows"),
                   &MainWindow::onMarketValueReport);
    investmentDetailReportAction_ =
        makeAction("investmentDetailReportAction", tr("&Investment - Detail"),
                   &MainWindow::onInvestmentDetailReport);
}

void MainWindow::createToolBar() {
    QToolBar* speedButtons = addToolBar(tr("Speed Buttons"));
    speedButtons->setObjectName("speedButtons");
    speedButtons->setMovable(false);
    speedButtons->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        QAction* action;
        const char* name;
    };
    for (const Button& button :
         {Button{newPortfolioAction_, "newPortfolioButton"},
          Button{newInvestmentAction_, "newInvestmentButton"},
          Button{calculateAction_, "calculateButton"}, Button{detailsAction_, "detailsButton"},
          Button{historyAction_, "historyButton"}, Button{performanceAction_, "performanceButton"},
          Button{helpContentsAction_, "helpButton"}}) {
        speedButtons->addAction(button.action);
        QWidget* widget = speedButtons->widgetForAction(button.action);
        widget->setObjectName(button.name);
        widget->setMinimumWidth(72);
    }
}

void MainWindow::createMenus() {
    menuBar()->setObjectName("mainMenu");
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QMenu* fileNew = file->addMenu(tr("&New"));
    fileNew->addActions({newPortfolioAction_, newInvestmentAction_});
    file->addAction(detailsAction_);
    file->addSeparator();
    file->addAction(deleteAction_);
    file->addSeparator();
    file->addAction(openDataDirectoryAction_);
    file->addActions({importAction_, exportAction_});
    file->addSeparator();
    file->addAction(exitAction_);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({cutAction_, copyAction_, pasteAction_});
    edit->addSeparator();
    edit->addActions({expandAllAction_, collapseAllAction_});

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addActions({calculateAction_, reportsAction_});
    tools->addSeparator();
    tools->addAction(optionsAction_);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(helpContentsAction_);
    help->addSeparator();
    help->addAction(aboutAction_);

    QMenu* treeNew = treeMenu_->addMenu(tr("&New"));
    treeNew->addActions({newPortfolioAction_, newInvestmentAction_});
    treeMenu_->addActions({detailsAction_, growthAction_, deleteAction_});
    treeMenu_->addSeparator();
    treeMenu_->addActions({cutAction_, copyAction_, pasteAction_});
    treeMenu_->addSeparator();
    QMenu* reports = treeMenu_->addMenu(tr("&Reports"));
    reports->addActions({portfolioPerformanceReportAction_, marketValueReportAction_,
                         investmentDetailReportAction_});
    treeMenu_->addSeparator();
    treeMenu_->addActions({importAction_, exportAction_});
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_) return;
    activated_ = true;
    QSettings settings;
    if (!restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        if (const QScreen* screen = this->screen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
    }
    FitToScreen(*this);
    splitter_->restoreState(settings.value(kSplitterKey).toByteArray());
    // After the window is on screen, so that the load's messages have a window to stand on.
    QTimer::singleShot(0, this, &MainWindow::onFirstActivation);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (directory_) {
        QSettings settings;
        settings.setValue(kGeometryKey, saveGeometry());
        settings.setValue(kSplitterKey, splitter_->saveState());
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::onFirstActivation() {
    // Without its data the program has nothing to show: it ends, unless the user, having
    // declined to create the tables, picks another directory.
    bool declined = false;
    std::filesystem::path directory = context_.data_directory;
    while (!openDataDirectory(directory, OpeningMoment::AtStartUp, &declined)) {
        const QString chosen = declined ? chooseDataDirectory() : QString();
        if (chosen.isEmpty()) {
            close();
            return;
        }
        declined = false;
        directory = QFile::encodeName(chosen).toStdString();
    }
}

QString MainWindow::chooseDataDirectory() {
    return context_.platform.ExistingDirectory(tr("Open Data Directory"),
                                               Text(context_.data_directory.string()));
}

bool MainWindow::openDataDirectory(const std::filesystem::path& directory, OpeningMoment moment,
                                   bool* declined) {
    // The directory shown is open already: the opening only reads it again.
    if (directory_ && directory == directory_->path()) directory_.reset();
    std::unique_ptr<ObservedStore> opened =
        OpenForApplication(context_, directory, moment, declined);
    if (!opened) return false;
    directory_ = std::move(opened);
    context_.data_directory = directory;
    RememberDataDirectory(directory);
    showStore();
    return true;
}

void MainWindow::onPortfoliosChanged() {
    // The list shows the portfolio of the current node, if one is left.
    const QModelIndex node = tree_->view()->currentIndex();
    investmentList_->showPortfolio(node.isValid() ? PortfolioTreeModel::portfolioId(node) : Pid{});
}

DataStore& MainWindow::store() { return directory_->store(); }

Pid MainWindow::currentPortfolioId() const { return investmentList_->portfolioId(); }

const std::string& MainWindow::numberFormat() const { return investmentList_->numberFormat(); }

void MainWindow::showStore() {
    const QString title =
        QStringLiteral("%1 - %2").arg(kApplicationTitle, Text(directory_->path().string()));
    setWindowTitle(directory_->readOnly() ? tr("%1 (read-only)").arg(title) : title);
    tree_->setStore(directory_.get());
    investmentList_->setStore(directory_.get());
    connect(directory_.get(), &ObservedStore::portfoliosChanged, this,
            &MainWindow::onPortfoliosChanged);
    connect(directory_.get(), &ObservedStore::holdingsChanged, this,
            &MainWindow::onPortfoliosChanged);
    tree_->view()->setFocus();
    // The first portfolio is shown, and selected so that the commands visibly act on it; its
    // selection change fills the list.
    transfer_->clear();
    const QModelIndex first = tree_->model()->index(0, 0);
    if (first.isValid()) tree_->view()->setCurrentIndex(first);
    updateWriteActions();
}

QModelIndex MainWindow::visibleCurrentNode() const { return tree_->visibleCurrentNode(); }

void MainWindow::onCurrentNodeChanged() {
    const QModelIndex node = tree_->view()->currentIndex();
    if (!node.isValid() || !directory_) return;
    const bool investment = PortfolioTreeModel::isInvestment(node);
    const QModelIndex portfolio = PortfolioTreeModel::portfolioOf(node);
    setInvestmentActionsEnabled(investment);
    updateHints(portfolio.data().toString(), node.data().toString());
    const Pid portfolioId = PortfolioTreeModel::portfolioId(node);
    if (portfolioId != investmentList_->portfolioId()) investmentList_->showPortfolio(portfolioId);
}

void MainWindow::setInvestmentActionsEnabled(bool enabled) {
    for (QAction* action : {historyAction_, performanceAction_, investmentDetailReportAction_}) {
        action->setEnabled(enabled);
    }
    for (QAction* action : {cutAction_, copyAction_}) action->setEnabled(enabled && mayWrite());
    updatePasteEnabled();
}

bool MainWindow::mayWrite() const { return directory_ && !directory_->readOnly(); }

void MainWindow::updateWriteActions() {
    for (QAction* action : {newPortfolioAction_, newInvestmentAction_, deleteAction_, importAction_,
                            calculateAction_, optionsAction_}) {
        action->setEnabled(mayWrite());
    }
    setInvestmentActionsEnabled(PortfolioTreeModel::isInvestment(visibleCurrentNode()));
}

void MainWindow::updateHints(const QString& portfolioName, const QString& investmentName) {
    newInvestmentAction_->setToolTip(
        tr("Add A New Investment To The '%1' Portfolio").arg(portfolioName));
    if (historyAction_->isEnabled()) {
        historyAction_->setToolTip(
            tr("Show Historical Values for the '%1' Investment").arg(investmentName));
        performanceAction_->setToolTip(
            tr("Show Performance Detail for the '%1' Investment").arg(investmentName));
        detailsAction_->setToolTip(
            tr("Show Transaction, Historical and Performance Details for the '%1' Investment")
                .arg(investmentName));
    } else {
        detailsAction_->setToolTip(tr("Show Details for the '%1' Portfolio").arg(portfolioName));
    }
}

void MainWindow::onNewPortfolio() { NewPortfolio(context_, store(), this); }

void MainWindow::onNewInvestment() {
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid()) return;
    const Pid portfolio = PortfolioTreeModel::portfolioId(node);
    if (store().portfolios().FindPortfolio(portfolio))
        NewInvestment(context_, store(), portfolio, this);
}

void MainWindow::onDetails() {
    if (investmentList_->view()->hasFocus()) {
        if (const std::optional<Hid> holding = investmentList_->currentInvestment()) {
            onInvestmentActivated(*holding);
        }
        return;
    }
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid()) return;
    if (PortfolioTreeModel::isInvestment(node)) {
        showInvestment(node, InvestmentPage::Transactions);
        return;
    }
    const Pid portfolio = PortfolioTreeModel::portfolioId(node);
    if (store().portfolios().FindPortfolio(portfolio))
        UpdatePortfolio(context_, store(), portfolio, this);
}

void MainWindow::onInvestmentActivated(Hid holdingId) {
    const QModelIndex node =
        tree_->model()->investmentNode(investmentList_->portfolioId(), holdingId);
    if (node.isValid()) showInvestment(node, InvestmentPage::Transactions);
}

void MainWindow::onHistory() {
    const QModelIndex node = visibleCurrentNode();
    if (PortfolioTreeModel::isInvestment(node)) {
        showInvestment(node, InvestmentPage::HistoricalValues);
    }
}

void MainWindow::onPerformance() {
    const QModelIndex node = visibleCurrentNode();
    if (PortfolioTreeModel::isInvestment(node)) showInvestment(node, InvestmentPage::Returns);
}

void MainWindow::onGrowth() {
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid()) return;
    if (PortfolioTreeModel::isInvestment(node)) {
        showInvestment(node, InvestmentPage::Growth);
        return;
    }
    const Pid portfolio = PortfolioTreeModel::portfolioId(node);
    if (!store().portfolios().FindPortfolio(portfolio)) return;
    PortfolioGrowthWindow window(context_, store(), portfolio, this);
    window.exec();
}

void MainWindow::showInvestment(const QModelIndex& node, InvestmentPage page) {
    const Pid portfolioId = PortfolioTreeModel::portfolioId(node);
    const Hid holdingId = PortfolioTreeModel::holdingId(node);
    if (store().holdings().FindHoldingIn(portfolioId, holdingId)) {
        ShowInvestment(context_, *directory_, holdingId, page, this);
    }
}

void MainWindow::onDelete() {
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid()) return;
    if (PortfolioTreeModel::isInvestment(node)) {
        deleteInvestment(node);
    } else {
        deletePortfolio(node);
    }
}

void MainWindow::deleteInvestment(const QModelIndex& node) {
    const std::optional<HoldingRecord> holding = store().holdings().FindHoldingIn(
        PortfolioTreeModel::portfolioId(node), PortfolioTreeModel::holdingId(node));
    if (!holding) return;
    if (!deleteConfirmed(tr("Delete Holding"), holding->Name)) return;
    transfer_->forget(holding->PortfolioId, holding->Id);
    ShowIfFailed(context_.platform, store().holdings().DeleteHolding(holding->Id));
}

void MainWindow::deletePortfolio(const QModelIndex& node) {
    const std::optional<PortfolioRecord> portfolio =
        store().portfolios().FindPortfolio(PortfolioTreeModel::portfolioId(node));
    if (!portfolio) return;
    if (!deleteConfirmed(tr("Delete Portfolio"), portfolio->Name)) return;
    transfer_->forget(portfolio->Id);
    ShowIfFailed(context_.platform, store().portfolios().DeletePortfolio(portfolio->Id));
}

void MainWindow::onCut() {
    const QModelIndex node = visibleCurrentNode();
    if (PortfolioTreeModel::isInvestment(node)) {
        transfer_->cut(PortfolioTreeModel::portfolioId(node), PortfolioTreeModel::holdingId(node));
    }
}

void MainWindow::onCopy() {
    const QModelIndex node = visibleCurrentNode();
    if (PortfolioTreeModel::isInvestment(node)) {
        transfer_->copy(PortfolioTreeModel::portfolioId(node), PortfolioTreeModel::holdingId(node));
    }
}

void MainWindow::updatePasteEnabled() {
    const QModelIndex node = tree_->view()->currentIndex();
    pasteAction_->setEnabled(mayWrite() && node.isValid() &&
                             transfer_->canPasteInto(PortfolioTreeModel::portfolioId(node)));
}

void MainWindow::onPaste() {
    const QModelIndex node = visibleCurrentNode();
    if (node.isValid()) transfer_->paste(store(), PortfolioTreeModel::portfolioId(node));
}

void MainWindow::onNodeDropped(Pid portfolioId, Hid holdingId, Pid targetPortfolioId) {
    statusBar()->showMessage(" ");
    transfer_->drop(store(), portfolioId, holdingId, targetPortfolioId);
}

bool MainWindow::deleteConfirmed(const QString& caption, const std::string& name) {
    return context_.platform.AskYesNo(caption,
                                      tr("Are you sure you want to delete %1?").arg(Text(name)));
}

void MainWindow::onCalculate() {
    CalculateAllDialog dialog(context_, this);
    dialog.Execute(store());
}

void MainWindow::onOptions() {
    OptionsDialog dialog(context_, store(), this);
    dialog.exec();
}

void MainWindow::onImport() { RunImport(context_, store(), this); }

void MainWindow::onExport() { RunExport(context_, store(), this); }

void MainWindow::onReports() {
    ReportDialog dialog(context_, store(), this);
    dialog.exec();
}

void MainWindow::onPortfolioPerformanceReport() { runTreeReport(kPortfolioPerformanceReport); }

void MainWindow::onMarketValueReport() { runTreeReport(kMarketValuesReport); }

void MainWindow::onInvestmentDetailReport() { runTreeReport(kInvestmentDetailReport); }

void MainWindow::runTreeReport(int code) {
    const QModelIndex node = visibleCurrentNode();
    // A portfolio report takes either kind of node, an investment report only an investment.
    if (!node.isValid() || (IsInvestmentReport(code) && !PortfolioTreeModel::isInvestment(node))) {
        return;
    }
    OpenReport(context_, store(), PortfolioTreeModel::portfolioId(node),
               PortfolioTreeModel::holdingId(node), code);
}

void MainWindow::onOpenDataDirectory() {
    const QString chosen = chooseDataDirectory();
    if (!chosen.isEmpty())
        openDataDirectory(QFile::encodeName(chosen).toStdString(), OpeningMoment::Switch);
}

void MainWindow::onExpandAll() {
    tree_->view()->expandAll();
    onExpansionChanged();
}

void MainWindow::onCollapseAll() {
    tree_->view()->collapseAll();
    onExpansionChanged();
}

void MainWindow::onExpansionChanged() {
    // The investment commands follow whether the current investment can be seen.
    setInvestmentActionsEnabled(PortfolioTreeModel::isInvestment(visibleCurrentNode()));
}

void MainWindow::onHelpContents() { context_.platform.ShowHelpContents(); }

void MainWindow::onAbout() {
    AboutDialog about(this);
    about.exec();
}

}  // namespace brevanta
