#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "reports/figure_cell.h"
#include "reports/investment_list_rows.h"
#include "reports/portfolio_tree_rows.h"
#include "reports/report_writer.h"
#include "store/data_directory.h"
#include "store/data_directory_opening.h"
#include "store/data_store.h"
#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/options_dialog.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/main/about_dialog.h"
#include "ui/main/caption_strip.h"
#include "ui/main/portfolio_growth_window.h"
#include "ui/main/portfolio_tree_model.h"
#include "ui/main/starting_directory.h"
#include "ui/platform/observed_store.h"
#include "ui/platform/text_table_model.h"
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

QWidget* Stacked(QWidget* parent, QWidget* caption, QWidget* view) {
    auto* holder = new QWidget(parent);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(caption);
    layout->addWidget(view);
    return holder;
}

}  // namespace

MainWindow::MainWindow(UiContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      treeModel_(new PortfolioTreeModel(this)),
      listModel_(new TextTableModel({}, this)),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      treeCaption_(new CaptionStrip(this)),
      portfolioTree_(new QTreeView(this)),
      totalLabel_(new CaptionStrip(this)),
      investmentList_(new QTreeView(this)),
      treeMenu_(new QMenu(this)) {
    setObjectName("mainWindow");
    setWindowTitle(kApplicationTitle);
    splitter_->setObjectName("splitter");
    treeCaption_->setObjectName("treeCaption");
    portfolioTree_->setObjectName("portfolioTree");
    totalLabel_->setObjectName("totalLabel");
    investmentList_->setObjectName("investmentList");
    treeMenu_->setObjectName("treeMenu");

    treeCaption_->setCaption(tr(" All Portfolios"));
    treeModel_->setIcons(
        style()->standardIcon(QStyle::SP_DirClosedIcon),
        [this] {
            QIcon filled = style()->standardIcon(QStyle::SP_DirClosedIcon);
            filled.addPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16),
                             QIcon::Selected, QIcon::Off);
            return filled;
        }(),
        style()->standardIcon(QStyle::SP_FileIcon));
    portfolioTree_->setModel(treeModel_);
    portfolioTree_->setHeaderHidden(true);
    portfolioTree_->setIndentation(19);
    portfolioTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    portfolioTree_->setSelectionMode(QAbstractItemView::SingleSelection);
    portfolioTree_->setContextMenuPolicy(Qt::CustomContextMenu);
    portfolioTree_->setDragDropMode(QAbstractItemView::DragDrop);
    portfolioTree_->setDefaultDropAction(Qt::MoveAction);
    portfolioTree_->setDragDropOverwriteMode(true);  // a drop lands on a node, never between
    portfolioTree_->setDropIndicatorShown(true);
    portfolioTree_->viewport()->installEventFilter(this);

    investmentList_->setModel(listModel_);
    investmentList_->setRootIsDecorated(false);
    investmentList_->setItemsExpandable(false);
    investmentList_->setAllColumnsShowFocus(true);
    investmentList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    investmentList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    investmentList_->header()->setStretchLastSection(false);

    splitter_->addWidget(Stacked(splitter_, treeCaption_, portfolioTree_));
    splitter_->addWidget(Stacked(splitter_, totalLabel_, investmentList_));
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({230, 670});
    setCentralWidget(splitter_);
    statusBar()->setObjectName("statusLine");

    createActions();
    createToolBar();
    createMenus();

    // Queued: the drop is handled once the drag is over, not inside the view's drop event.
    connect(treeModel_, &PortfolioTreeModel::nodeDropped, this, &MainWindow::onNodeDropped,
            Qt::QueuedConnection);
    connect(portfolioTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainWindow::onCurrentNodeChanged);
    const auto openInvestment = [this] {
        if (PortfolioTreeModel::isInvestment(visibleCurrentNode())) onDetails();
    };
    connect(portfolioTree_, &QTreeView::doubleClicked, this, openInvestment);
    connect(portfolioTree_, &QTreeView::expanded, this, &MainWindow::onExpansionChanged);
    connect(portfolioTree_, &QTreeView::collapsed, this, &MainWindow::onExpansionChanged);
    connect(investmentList_, &QTreeView::doubleClicked, this,
            &MainWindow::onInvestmentRowDoubleClicked);
    connect(portfolioTree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        treeMenu_->popup(portfolioTree_->viewport()->mapToGlobal(at));
    });
    // Qt::Key_Delete, not QKeySequence::Delete: on X11 the latter also means Ctrl+D, which
    // would clash with Details.
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), portfolioTree_);
    deleteKey->setObjectName("deleteKey");
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, deleteAction_, &QAction::trigger);
    auto* enterKey = new QShortcut(portfolioTree_);
    enterKey->setObjectName("enterKey");
    enterKey->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enterKey->setContext(Qt::WidgetShortcut);
    connect(enterKey, &QShortcut::activated, this, openInvestment);

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

    historyAction_ = makeAction("historyAction", tr("History"), &MainWindow::onHistory);
    historyAction_->setIcon(ThemeIcon("x-office-calendar", "history"));
    historyAction_->setEnabled(false);

    performanceAction_ =
        makeAction("performanceAction", tr("Performance"), &MainWindow::onPerformance);
    performanceAction_->setIcon(ThemeIcon("office-chart-line", "performance"));
    performanceAction_->setEnabled(false);

    growthAction_ = makeAction("growthAction", tr("&Growth..."), &MainWindow::onGrowth);
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
    exportAction_ = makeAction("exportAction", tr("E&xport..."), &MainWindow::onExport);
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
        makeAction("portfolioPerformanceReportAction", tr("Portfolio - Performance"),
                   &MainWindow::onPortfolioPerformanceReport);
    marketValueReportAction_ =
        makeAction("marketValueReportAction", tr("Portfolio - Market Value and Cash Flows"),
                   &MainWindow::onMarketValueReport);
    investmentDetailReportAction_ =
        makeAction("investmentDetailReportAction", tr("Investment - Detail"),
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

    QMenu* treeNew = treeMenu_->addMenu(tr("New"));
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
    // Without its data the program has nothing to show: it ends.
    if (!openDataDirectory(context_.data_directory, Opening::AtStartUp)) close();
}

bool MainWindow::openDataDirectory(const std::filesystem::path& directory, Opening opening) {
    Platform& platform = context_.platform;
    const QString path = Text(directory.string());
    // The directory shown is open already: the opening only reads it again.
    if (directory_ && directory == directory_->path()) {
        directory_.reset();
    }
    OpeningRequest request;
    request.directory = directory.string();
    request.purpose = OpeningRequest::Purpose::Application;
    request.create_tables = [&] {
        return platform.AskYesNo(kApplicationTitle,
                                 tr("There is no Brevanta data in %1. Create it?").arg(path));
    };
    OpenedDirectory opened;
    BusyCursor busy(platform);
    OpeningStage failed_at = OpeningStage::Tables;
    const Status status = OpenDataDirectory(request, &opened, &failed_at);
    if (failed_at == OpeningStage::Tables) {
        if (!status.ok() && !status.IsNotFound()) platform.ShowError(Text(status.message()));
        if (!status.ok()) return false;  // declined, or the tables could not be made
    }
    if (failed_at == OpeningStage::Claim) {
        platform.ShowError(Text(status.message()));
        return false;
    }
    if (!status.ok()) {
        if (opening == Opening::AtStartUp) {
            platform.ShowPlain(DataUnavailableMessage, Text(status.message()));
        } else {
            platform.ShowError(
                tr("The data in %1 cannot be read.\n\n%2").arg(path, Text(status.message())));
        }
        return false;
    }
    directory_ = std::make_unique<ObservedStore>(std::move(opened), directory);
    context_.data_directory = directory;
    RememberDataDirectory(directory);
    followStore();
    showStore();
    if (directory_->readOnly()) platform.ShowPlain(directory_->readOnlyReason());
    return true;
}

void MainWindow::followStore() {
    const ObservedStore* directory = directory_.get();
    connect(directory, &ObservedStore::portfoliosChanged, this, &MainWindow::onPortfoliosChanged);
    connect(directory, &ObservedStore::holdingsChanged, this, &MainWindow::onPortfoliosChanged);
    connect(directory, &ObservedStore::figuresChanged, this, &MainWindow::refillInvestmentList);
    // The recent values come from the histories.
    connect(directory, &ObservedStore::historyChanged, this, &MainWindow::refillInvestmentList);
    connect(directory, &ObservedStore::settingsChanged, this, [this] {
        applyNumberFormat();
        buildColumns();
        refillInvestmentList();
    });
}

void MainWindow::onPortfoliosChanged() {
    treeModel_->follow(BuildPortfolioTree(store()));
    // The list shows the portfolio of the current node, if one is left.
    const QModelIndex node = portfolioTree_->currentIndex();
    fillInvestmentList(node.isValid() ? PortfolioTreeModel::portfolioId(node) : Pid{});
}

DataStore& MainWindow::store() { return directory_->store(); }

void MainWindow::refillInvestmentList() { fillInvestmentList(currentPortfolioId_); }

void MainWindow::showStore() {
    const QString title =
        QStringLiteral("%1 - %2").arg(kApplicationTitle, Text(directory_->path().string()));
    setWindowTitle(directory_->readOnly() ? tr("%1 (read-only)").arg(title) : title);
    applyNumberFormat();
    buildColumns();
    fillTree();
    // The first portfolio is shown, and selected so that the commands visibly act on it; its
    // selection change fills the list, which buildColumns left empty.
    currentPortfolioId_ = {};
    clearClipboard();
    totalLabel_->setCaption({});
    const QModelIndex first = treeModel_->index(0, 0);
    if (first.isValid()) portfolioTree_->setCurrentIndex(first);
    updateWriteActions();
}

void MainWindow::applyNumberFormat() {
    numberFormat_ = FigurePattern(store().settings().NumberOfDecimals());
}

void MainWindow::buildColumns() {
    columns_ = store().settings().VisibleColumns();
    const std::vector<ListColumn> columns = ListColumns(columns_);
    QList<TextTableModel::Column> captions;
    for (const ListColumn& column : columns) {
        captions.append(
            {Text(column.caption), column.right_aligned ? Qt::AlignRight : Qt::AlignLeft});
    }
    listModel_->setColumns(std::move(captions));
    QHeaderView* header = investmentList_->header();
    for (size_t i = 0; i < columns.size(); ++i) {
        header->resizeSection(static_cast<int>(i), columns[i].width);
    }
}

void MainWindow::fillTree() {
    treeModel_->setPortfolios(BuildPortfolioTree(store()));
    portfolioTree_->setFocus();
}

void MainWindow::fillInvestmentList(Pid portfolioId) {
    // The list and the current portfolio stay in step, whoever refills the list.
    currentPortfolioId_ = portfolioId;
    InvestmentList list = BuildInvestmentList(store(), portfolioId, columns_, numberFormat_,
                                              context_.locale, context_.clock.Today());
    listModel_->setRows(std::move(list.rows));
    totalLabel_->setCaption(Text(list.caption));
}

QModelIndex MainWindow::visibleCurrentNode() const {
    const QModelIndex node = portfolioTree_->currentIndex();
    if (!node.isValid()) return {};
    const QModelIndex parent = node.parent();
    return !parent.isValid() || portfolioTree_->isExpanded(parent) ? node : QModelIndex();
}

void MainWindow::onCurrentNodeChanged() {
    const QModelIndex node = portfolioTree_->currentIndex();
    if (!node.isValid() || !directory_) return;
    const bool investment = PortfolioTreeModel::isInvestment(node);
    const QModelIndex portfolio = PortfolioTreeModel::portfolioOf(node);
    setInvestmentActionsEnabled(investment);
    updateHints(portfolio.data().toString(), node.data().toString());
    const Pid portfolioId = PortfolioTreeModel::portfolioId(node);
    if (portfolioId != currentPortfolioId_) fillInvestmentList(portfolioId);
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

void MainWindow::onNewPortfolio() {
    PortfolioDialog dialog(context_, this);
    dialog.NewPortfolio(store());
}

void MainWindow::onNewInvestment() {
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid()) return;
    const QPersistentModelIndex portfolioNode = PortfolioTreeModel::portfolioOf(node);
    const std::optional<PortfolioRecord> portfolio =
        store().portfolios().FindPortfolio(PortfolioTreeModel::portfolioId(portfolioNode));
    if (!portfolio) return;
    NewInvestmentDialog dialog(context_, this);
    dialog.NewInvestment(store(), *portfolio);
}

void MainWindow::onDetails() {
    if (investmentList_->hasFocus()) return;
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid()) return;
    if (PortfolioTreeModel::isInvestment(node)) {
        showInvestment(node, InvestmentPage::Transactions);
        return;
    }
    const Pid portfolioId = PortfolioTreeModel::portfolioId(node);
    const std::optional<PortfolioRecord> portfolio =
        store().portfolios().FindPortfolio(portfolioId);
    if (!portfolio) return;
    PortfolioDialog dialog(context_, this);
    dialog.UpdatePortfolio(store(), *portfolio);
}

void MainWindow::onInvestmentRowDoubleClicked(const QModelIndex& row) {
    // The "Total" line carries no investment.
    const Hid* holdingId = std::get_if<Hid>(&listModel_->row(row.row()).id);
    if (!holdingId) return;
    const QModelIndex node = treeModel_->investmentNode(currentPortfolioId_, *holdingId);
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
    const std::optional<PortfolioRecord> portfolio =
        store().portfolios().FindPortfolio(PortfolioTreeModel::portfolioId(node));
    if (!portfolio) return;
    PortfolioGrowthWindow window(context_, store(), *portfolio, this);
    window.exec();
}

void MainWindow::showInvestment(const QModelIndex& node, InvestmentPage page) {
    const Pid portfolioId = PortfolioTreeModel::portfolioId(node);
    const Hid holdingId = PortfolioTreeModel::holdingId(node);
    const std::optional<HoldingRecord> holding =
        store().holdings().FindHoldingIn(portfolioId, holdingId);
    if (!holding) return;
    ShowInvestment(context_, *directory_, *holding, page, this);
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
    if (clipboard_.holdingId == holding->Id) clearClipboard();
    ShowIfFailed(context_.platform, store().holdings().DeleteHolding(holding->Id));
}

void MainWindow::deletePortfolio(const QModelIndex& node) {
    const std::optional<PortfolioRecord> portfolio =
        store().portfolios().FindPortfolio(PortfolioTreeModel::portfolioId(node));
    if (!portfolio) return;
    if (!deleteConfirmed(tr("Delete Portfolio"), portfolio->Name)) return;
    if (clipboard_.portfolioId == portfolio->Id) clearClipboard();
    ShowIfFailed(context_.platform, store().portfolios().DeletePortfolio(portfolio->Id));
}

void MainWindow::onCut() { putOnClipboard(Clipboard::Mode::Cut); }

void MainWindow::onCopy() { putOnClipboard(Clipboard::Mode::Copy); }

void MainWindow::putOnClipboard(Clipboard::Mode mode) {
    const QModelIndex node = visibleCurrentNode();
    if (!PortfolioTreeModel::isInvestment(node)) return;
    clipboard_ = {mode, PortfolioTreeModel::portfolioId(node), PortfolioTreeModel::holdingId(node)};
    updatePasteEnabled();
}

void MainWindow::clearClipboard() {
    clipboard_ = {};
    updatePasteEnabled();
}

void MainWindow::updatePasteEnabled() {
    const QModelIndex node = portfolioTree_->currentIndex();
    pasteAction_->setEnabled(mayWrite() && clipboard_.mode != Clipboard::Mode::Empty &&
                             node.isValid() &&
                             PortfolioTreeModel::portfolioId(node) != clipboard_.portfolioId);
}

void MainWindow::onPaste() {
    const QModelIndex node = visibleCurrentNode();
    if (!node.isValid() || clipboard_.mode == Clipboard::Mode::Empty) return;
    const Pid target = PortfolioTreeModel::portfolioId(node);
    if (target == clipboard_.portfolioId) return;
    const Clipboard pasted = clipboard_;
    clearClipboard();  // a copy is pasted once
    // Deleted or moved by another program meanwhile: its identifier may now be reused.
    if (!store().holdings().FindHoldingIn(pasted.portfolioId, pasted.holdingId)) {
        context_.platform.ShowPlain(tr("The investment to paste no longer exists."));
        return;
    }
    transferInvestment(pasted.mode, pasted.holdingId, target);
}

void MainWindow::onNodeDropped(Pid portfolioId, Hid holdingId, Pid targetPortfolioId) {
    statusBar()->showMessage(" ");
    if (holdingId != Hid{} && targetPortfolioId == Pid{}) {
        // Dropped on empty space: the investment stands as cut, for a later Paste.
        clipboard_ = {Clipboard::Mode::Cut, portfolioId, holdingId};
        updatePasteEnabled();
        return;
    }
    clearClipboard();
    // A portfolio moves nowhere, and an investment dropped on its own portfolio stays.
    if (holdingId == Hid{} || targetPortfolioId == portfolioId) return;
    transferInvestment(Clipboard::Mode::Cut, holdingId, targetPortfolioId);
}

void MainWindow::transferInvestment(Clipboard::Mode mode, Hid holdingId, Pid targetPortfolioId) {
    BusyCursor busy(context_.platform);
    const bool move = mode == Clipboard::Mode::Cut;
    const StoreResult<HoldingRecord> result =
        move ? store().holdings().MoveHolding(holdingId, targetPortfolioId)
             : store().holdings().CopyHolding(holdingId, targetPortfolioId);
    ShowIfFailed(context_.platform, result.status(),
                 move ? tr("The investment could not be moved.")
                      : tr("The investment could not be copied."));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == portfolioTree_->viewport()) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            statusBar()->showMessage(tr("Moving Investment..."));
        } else if (event->type() == QEvent::DragLeave) {
            statusBar()->showMessage(" ");
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
    OptionsDialog dialog(context_, this);
    dialog.Execute(store());
}

void MainWindow::onImport() {
    ImportWizard wizard(context_, this);
    wizard.RunImport(store());
}

void MainWindow::onExport() {
    ExportWizard wizard(context_, this);
    wizard.RunExport(store());
}

void MainWindow::onReports() {
    ReportDialog dialog(context_, this);
    dialog.Execute(store());
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
    const QString chosen = context_.platform.ExistingDirectory(
        tr("Open Data Directory"), Text(context_.data_directory.string()));
    if (!chosen.isEmpty())
        openDataDirectory(QFile::encodeName(chosen).toStdString(), Opening::Switch);
}

void MainWindow::onExpandAll() {
    portfolioTree_->expandAll();
    onExpansionChanged();
}

void MainWindow::onCollapseAll() {
    portfolioTree_->collapseAll();
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
