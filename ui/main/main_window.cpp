#include "ui/main/main_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/number_format.h"
#include "engine/performance_engine.h"
#include "reports/figure_cell.h"
#include "store/data_store.h"
#include "ui/calc/calculate_all_dialog.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/main/about_dialog.h"
#include "ui/platform/widget_names.h"

namespace brevanta {

namespace {

// Tree nodes: both kinds carry their portfolio's Id, investment nodes also their own Id.
constexpr int kPortfolioIdRole = Qt::UserRole;
constexpr int kHoldingIdRole = Qt::UserRole + 1;

constexpr char kRecentValueColumn[] = "Recent Value";
constexpr int kNameColumnWidth = 125;

bool IsInvestmentNode(const QTreeWidgetItem* node) { return node->parent() != nullptr; }

QTreeWidgetItem* PortfolioNodeOf(QTreeWidgetItem* node) {
    return IsInvestmentNode(node) ? node->parent() : node;
}

int PortfolioIdOf(const QTreeWidgetItem* node) { return node->data(0, kPortfolioIdRole).toInt(); }

int HoldingIdOf(const QTreeWidgetItem* node) { return node->data(0, kHoldingIdRole).toInt(); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The figure pattern for a number of decimals: "#,##0", "#,##0.0", ... "#,##0.000000".
std::string FigurePattern(int decimals) {
    std::string pattern = "#,##0";
    if (decimals > 0) pattern += "." + std::string(decimals, '0');
    return pattern;
}

// A caption strip above a tree or list.
QLabel* CaptionStrip(const QString& text, QWidget* parent) {
    auto* strip = new QLabel(text, parent);
    strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    strip->setMinimumHeight(24);
    QFont bold = strip->font();
    bold.setBold(true);
    strip->setFont(bold);
    return strip;
}

}  // namespace

MainWindow::MainWindow(UiContext& context, QWidget* parent) : QMainWindow(parent), context_(context) {
    setObjectName("MainWindow");
    QStyle* look = style();
    portfolio_image_ = look->standardIcon(QStyle::SP_DirClosedIcon);
    portfolio_with_investments_image_ = portfolio_image_;
    const QPixmap open = look->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16);
    portfolio_with_investments_image_.addPixmap(open, QIcon::Selected, QIcon::Off);
    investment_image_ = look->standardIcon(QStyle::SP_FileIcon);

    auto* central = new QWidget(this);
    auto* Panel2 = Named(new QFrame(central), "Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    CreateSpeedButtons(Panel2);

    auto* Splitter1 = Named(new QSplitter(Qt::Horizontal, central), "Splitter1");
    auto* West = Named(new QWidget(Splitter1), "West");
    Panel3 = Named(CaptionStrip(" All Portfolios", West), "Panel3");
    TreeView1 = Named(new QTreeWidget(West), "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* westLayout = new QVBoxLayout(West);
    westLayout->setContentsMargins(0, 0, 0, 0);
    westLayout->setSpacing(0);
    westLayout->addWidget(Panel3);
    westLayout->addWidget(TreeView1);

    auto* East = Named(new QWidget(Splitter1), "East");
    panelCont = Named(CaptionStrip(QString(), East), "panelCont");
    ListView1 = Named(new QTreeWidget(East), "ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->header()->setStretchLastSection(false);
    auto* eastLayout = new QVBoxLayout(East);
    eastLayout->setContentsMargins(0, 0, 0, 0);
    eastLayout->setSpacing(0);
    eastLayout->addWidget(panelCont);
    eastLayout->addWidget(ListView1);

    Splitter1->addWidget(West);
    Splitter1->addWidget(East);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({230, 670});

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(Splitter1, 1);
    setCentralWidget(central);
    statusBar()->setObjectName("StatusLine");

    CreateMainMenu();
    CreatePopupMenu();

    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeView1Change(current); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunCommand(&MainWindow::TreeView1DblClick); });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunCommand(&MainWindow::DetailsClick); });
    auto* deleteKey = new QShortcut(QKeySequence::Delete, TreeView1);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this,
            [this] { RunCommand(&MainWindow::DeleteClick); });

    resize(900, 560);
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateSpeedButtons(QWidget* panel) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    QStyle* look = style();
    sbtnNewPort = AddSpeedButton(panel, "sbtnNewPort", "Portfolio", "Add A New Portfolio",
                                 look->standardIcon(QStyle::SP_FileDialogNewFolder),
                                 &MainWindow::NewPortfolioClick);
    sbtnNewInvest =
        AddSpeedButton(panel, "sbtnNewInvest", "Investment", "Add A New Investment",
                       look->standardIcon(QStyle::SP_FileIcon), &MainWindow::NewInvestmentClick);
    sbtnCalc =
        AddSpeedButton(panel, "sbtnCalc", "Calculate", "Calculate Performance",
                       look->standardIcon(QStyle::SP_BrowserReload), &MainWindow::CalculateClick);
    sbtnProp = AddSpeedButton(
        panel, "sbtnProp", "Details", "Show Details For The Current Portfolio Or Investment",
        look->standardIcon(QStyle::SP_FileDialogDetailedView), &MainWindow::DetailsClick);
    sbtnHist = AddSpeedButton(panel, "sbtnHist", "History", QString(),
                              look->standardIcon(QStyle::SP_FileDialogContentsView),
                              &MainWindow::HistoryClick);
    sbtnPerf = AddSpeedButton(panel, "sbtnPerf", "Performance", QString(),
                              look->standardIcon(QStyle::SP_ArrowUp), &MainWindow::PerformanceClick);
    sbtnHelp = AddSpeedButton(panel, "sbtnHelp", "Help", "Opens the Help File",
                              look->standardIcon(QStyle::SP_DialogHelpButton),
                              &MainWindow::HelpContentsClick);
    sbtnHist->setEnabled(false);
    sbtnPerf->setEnabled(false);
    for (QToolButton* button :
         {sbtnNewPort, sbtnNewInvest, sbtnCalc, sbtnProp, sbtnHist, sbtnPerf, sbtnHelp}) {
        row->addWidget(button);
    }
    row->addStretch();
}

QToolButton* MainWindow::AddSpeedButton(QWidget* panel, const char* name, const QString& caption,
                                       const QString& hint, QIcon icon, Handler handler) {
    auto* button = new QToolButton(panel);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumWidth(72);
    connect(button, &QToolButton::clicked, this, [this, handler] { RunCommand(handler); });
    return button;
}

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const QString& caption, Handler handler,
                            const QKeySequence& shortcut) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    if (handler) {
        connect(item, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
    }
    return item;
}

void MainWindow::CreateMainMenu() {
    menuBar()->setObjectName("MainMenu");
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QMenu* fileNew = file->addMenu("&New");
    fileNew->setObjectName("mnuNew");
    AddItem(fileNew, "mnuNewPortfolio", "Portfolio...", &MainWindow::NewPortfolioClick,
            Qt::CTRL | Qt::Key_N);
    AddItem(fileNew, "mnuNewInvestment", "Investment...", &MainWindow::NewInvestmentClick,
            Qt::CTRL | Qt::Key_I);
    AddItem(file, "mnuDetails", "&Details...", &MainWindow::DetailsClick, Qt::CTRL | Qt::Key_D);
    file->addSeparator();
    AddItem(file, "mnuDelete", "D&elete", &MainWindow::DeleteClick);
    file->addSeparator();
    AddItem(file, "mnuImport", "&Import...");
    AddItem(file, "mnuExport", "E&xport...");
    file->addSeparator();
    AddItem(file, "mnuExit", "E&xit", &MainWindow::ExitClick);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    mnuCut = AddItem(edit, "mnuCut", "&Cut Investment", nullptr, Qt::CTRL | Qt::Key_X);
    mnuCopy = AddItem(edit, "mnuCopy", "C&opy Investment", nullptr, Qt::CTRL | Qt::Key_C);
    mnuPaste = AddItem(edit, "mnuPaste", "&Paste Investment", nullptr, Qt::CTRL | Qt::Key_V);
    mnuPaste->setEnabled(false);
    edit->addSeparator();
    AddItem(edit, "mnuExpandAll", "&Expand All Portfolios", &MainWindow::ExpandAllClick, Qt::Key_F2);
    AddItem(edit, "mnuCollapseAll", "Co&llapse All Portfolios", &MainWindow::CollapseAllClick,
            Qt::Key_F3);

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    AddItem(tools, "mnuCalculate", "&Calculate Performance...", &MainWindow::CalculateClick,
            Qt::CTRL | Qt::Key_P);
    AddItem(tools, "mnuReports", "&Reports...", nullptr, Qt::CTRL | Qt::Key_R);
    tools->addSeparator();
    AddItem(tools, "mnuOptions", "&Options...");

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    AddItem(help, "mnuContents", "&Contents", &MainWindow::HelpContentsClick, Qt::Key_F1);
    help->addSeparator();
    AddItem(help, "mnuAbout", "&About...", &MainWindow::AboutClick);
}

void MainWindow::CreatePopupMenu() {
    PopupMenu1 = Named(new QMenu(this), "PopupMenu1");
    QMenu* popupNew = PopupMenu1->addMenu("New");
    popupNew->setObjectName("popNew");
    AddItem(popupNew, "popNewPortfolio", "&Portfolio...", &MainWindow::NewPortfolioClick);
    AddItem(popupNew, "popNewInvestment", "&Investment...", &MainWindow::NewInvestmentClick);
    AddItem(PopupMenu1, "popDetails", "&Details...", &MainWindow::DetailsClick);
    AddItem(PopupMenu1, "popDelete", "D&elete", &MainWindow::DeleteClick);
    PopupMenu1->addSeparator();
    popCut = AddItem(PopupMenu1, "popCut", "&Cut Investment");
    popCopy = AddItem(PopupMenu1, "popCopy", "C&opy Investment");
    popPaste = AddItem(PopupMenu1, "popPaste", "&Paste Investment");
    popPaste->setEnabled(false);
    PopupMenu1->addSeparator();
    QMenu* reports = PopupMenu1->addMenu("&Reports");
    reports->setObjectName("popReports");
    AddItem(reports, "popPortfolioPerformance", "Portfolio - Performance");
    AddItem(reports, "popPortfolioMarketValue", "Portfolio - Market Value and Cash Flows");
    popInvestmentDetail = AddItem(reports, "popInvestmentDetail", "Investment - Detail");
    PopupMenu1->addSeparator();
    AddItem(PopupMenu1, "popImport", "&Import...");
    AddItem(PopupMenu1, "popExport", "E&xport...");

    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(at));
    });
}

void MainWindow::RunCommand(Handler handler) {
    // Before the store is loaded (or after it failed to load) there is nothing to act on.
    if (store_) (this->*handler)();
}

void MainWindow::FormCreate() { setWindowTitle(kApplicationTitle); }

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_) return;
    activated_ = true;
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // After the window is on screen, so that the load's message has a window to stand on.
    QTimer::singleShot(0, this, &MainWindow::FormActivate);
}

void MainWindow::FormActivate() {
    Platform& platform = context_.platform;
    auto store = std::make_unique<DataStore>(context_.data_directory.string());
    Status loaded;
    {
        BusyCursor busy(platform);
        loaded = store->Load();
        if (loaded.ok()) {
            store_ = std::move(store);
            ApplyNumberFormat();
            BuildColumns();
            FillTree();
            // The first portfolio is shown, and selected so that the commands visibly act on
            // it; its selection change fills the list.
            current_portfolio_id_ = 0;
            if (QTreeWidgetItem* first = TreeView1->topLevelItem(0)) {
                TreeView1->setCurrentItem(first);
            }
            clipboard_portfolio_id_ = 0;
        }
    }
    if (!loaded.ok()) {
        qWarning("%s", loaded.message().c_str());
        platform.ShowPlain(DataUnavailableMessage);
        close();
    }
}

void MainWindow::ApplyNumberFormat() { number_format_ = FigurePattern(store_->NumberOfDecimals()); }

void MainWindow::BuildColumns() {
    ListView1->setUpdatesEnabled(false);
    columns_ = store_->VisibleColumns();
    QStringList captions{"Name"};
    for (const ColumnRecord& column : columns_) captions << Text(column.Name);
    ListView1->setColumnCount(static_cast<int>(captions.size()));
    ListView1->setHeaderLabels(captions);
    ListView1->setColumnWidth(0, kNameColumnWidth);
    for (size_t i = 0; i < columns_.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        ListView1->setColumnWidth(index, columns_[i].Width);
        const bool right = columns_[i].Name == kRecentValueColumn;
        ListView1->headerItem()->setTextAlignment(
            index, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    ListView1->setUpdatesEnabled(true);
}

void MainWindow::FillTree() {
    TreeView1->clear();
    for (const PortfolioRecord& portfolio : store_->AllPortfolios()) {
        QTreeWidgetItem* portfolioNode = AddPortfolioNode(portfolio);
        for (const HoldingRecord& holding : store_->HoldingsOfPortfolio(portfolio.Id)) {
            AddInvestmentNode(portfolioNode, holding);
            portfolioNode->setIcon(0, portfolio_with_investments_image_);
        }
    }
    TreeView1->setFocus();
}

QTreeWidgetItem* MainWindow::AddPortfolioNode(const PortfolioRecord& portfolio) {
    auto* node = new QTreeWidgetItem(TreeView1, {Text(portfolio.Name)});
    node->setData(0, kPortfolioIdRole, static_cast<int>(portfolio.Id));
    node->setIcon(0, portfolio_image_);
    return node;
}

QTreeWidgetItem* MainWindow::AddInvestmentNode(QTreeWidgetItem* portfolioNode,
                                              const HoldingRecord& holding) {
    auto* node = new QTreeWidgetItem(portfolioNode, {Text(holding.Name)});
    node->setData(0, kPortfolioIdRole, static_cast<int>(holding.PortfolioId));
    node->setData(0, kHoldingIdRole, static_cast<int>(holding.Id));
    node->setIcon(0, investment_image_);
    return node;
}

QTreeWidgetItem* MainWindow::SelectedNode() const { return TreeView1->currentItem(); }

void MainWindow::FillInvestmentList(int portfolioId) {
    // The list and the current portfolio stay in step, whoever refills the list.
    current_portfolio_id_ = portfolioId;
    ListView1->setUpdatesEnabled(false);
    ListView1->clear();
    panelCont->clear();
    if (const std::optional<PortfolioRecord> portfolio = store_->FindPortfolio(portfolioId)) {
        const Locale& locale = context_.locale;
        const Date today = context_.clock.Today();
        PerformanceEngine values(*store_, 0);
        // Held in single precision, as the figures are.
        float total = 0;
        for (const HoldingRecord& holding : store_->HoldingsOfPortfolio(portfolioId)) {
            values.SetHolding(holding.Id);
            const float recent = static_cast<float>(values.MarketValueAt(today));
            total += recent;
            QStringList cells{Text(holding.Name)};
            for (const ColumnRecord& column : columns_) {
                cells << Text(column.Name == kRecentValueColumn
                                  ? FormatNumber(recent, "$#,###.00", locale)
                                  : HoldingCell(holding, column.Name, number_format_, locale));
            }
            AddListRow(cells);
        }
        QStringList totals{"   Total"};
        for (const ColumnRecord& column : columns_) {
            totals << Text(column.Name == kRecentValueColumn
                               ? FormatNumber(total, "$#,###.00", locale)
                               : PortfolioCell(*portfolio, column.Name, number_format_, locale));
        }
        AddListRow(totals);
        panelCont->setText(" Total Value of the " + Text(store_->PortfolioName(portfolioId)) +
                           " portfolio: " + Text(FormatNumber(total, "$#,###", locale)));
    }
    ListView1->setUpdatesEnabled(true);
}

void MainWindow::AddListRow(const QStringList& cells) {
    auto* item = new QTreeWidgetItem(ListView1, cells);
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i].Name == kRecentValueColumn) {
            item->setTextAlignment(static_cast<int>(i) + 1, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

void MainWindow::TreeView1Change(QTreeWidgetItem* node) {
    if (!node || !store_) return;
    const bool investment = IsInvestmentNode(node);
    const QString portfolioName = PortfolioNodeOf(node)->text(0);
    const QString investmentName = node->text(0);
    const int portfolioId = PortfolioIdOf(node);

    sbtnPerf->setEnabled(investment);
    sbtnHist->setEnabled(investment);
    SetInvestmentItemsEnabled(investment);
    popInvestmentDetail->setEnabled(investment);
    const bool paste = clipboard_portfolio_id_ != 0 && clipboard_portfolio_id_ != portfolioId;
    mnuPaste->setEnabled(paste);
    popPaste->setEnabled(paste);
    UpdateHints(portfolioName, investmentName);
    if (portfolioId != current_portfolio_id_) FillInvestmentList(portfolioId);
}

void MainWindow::SetInvestmentItemsEnabled(bool enabled) {
    for (QAction* item : {mnuCut, mnuCopy, popCut, popCopy}) item->setEnabled(enabled);
}

void MainWindow::UpdateHints(const QString& portfolioName, const QString& investmentName) {
    sbtnNewInvest->setToolTip("Add A New Investment To The '" + portfolioName + "' Portfolio");
    if (sbtnHist->isEnabled()) {
        sbtnHist->setToolTip("Show Historical Values for the '" + investmentName + "' Investment");
        sbtnPerf->setToolTip("Show Performance Detail for the '" + investmentName + "' Investment");
        sbtnProp->setToolTip("Show Transaction, Historical and Performance Details for the '" +
                             investmentName + "' Investment");
    } else {
        sbtnProp->setToolTip("Show Details for the '" + portfolioName + "'" + " Portfolio");
    }
}

void MainWindow::NewPortfolioClick() {
    PortfolioDialog dialog(context_, this);
    if (dialog.NewPortfolio(*store_) != QDialog::Accepted) return;
    BusyCursor busy(context_.platform);
    if (const auto created = store_->FindPortfolio(dialog.NewPortfolioId())) {
        AddPortfolioNode(*created);
    }
}

void MainWindow::NewInvestmentClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node) return;
    QTreeWidgetItem* portfolioNode = PortfolioNodeOf(node);
    const std::optional<PortfolioRecord> portfolio =
        store_->FindPortfolio(PortfolioIdOf(portfolioNode));
    if (!portfolio) return;
    NewInvestmentDialog dialog(context_, this);
    if (dialog.NewInvestment(*store_, *portfolio) != QDialog::Accepted) return;
    BusyCursor busy(context_.platform);
    if (const auto created = store_->FindHoldingIn(portfolio->Id, dialog.NewHoldingId())) {
        AddInvestmentNode(portfolioNode, *created);
    }
    FillInvestmentList(static_cast<int>(portfolio->Id));
}

void MainWindow::DetailsClick() {
    if (ListView1->hasFocus()) return;
    QTreeWidgetItem* node = SelectedNode();
    if (!node) return;
    if (IsInvestmentNode(node)) {
        ShowInvestmentAt(node, InvestmentPage::Transactions);
        return;
    }
    const int portfolioId = PortfolioIdOf(node);
    const std::optional<PortfolioRecord> portfolio = store_->FindPortfolio(portfolioId);
    if (!portfolio) return;
    PortfolioDialog dialog(context_, this);
    if (dialog.UpdatePortfolio(*store_, *portfolio) != QDialog::Accepted) return;
    if (const auto renamed = store_->FindPortfolio(portfolioId)) {
        node->setText(0, Text(renamed->Name));
    }
}

void MainWindow::HistoryClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (node && IsInvestmentNode(node)) ShowInvestmentAt(node, InvestmentPage::HistoricalValues);
}

void MainWindow::PerformanceClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (node && IsInvestmentNode(node)) ShowInvestmentAt(node, InvestmentPage::Returns);
}

void MainWindow::ShowInvestmentAt(QTreeWidgetItem* node, InvestmentPage page) {
    const int portfolioId = PortfolioIdOf(node);
    const int holdingId = HoldingIdOf(node);
    const std::optional<HoldingRecord> holding = store_->FindHoldingIn(portfolioId, holdingId);
    if (!holding) return;
    ShowInvestment(context_, *store_, *holding, page, this);
    // The detail window stores its changes as they are made, so re-read whatever it answered.
    BusyCursor busy(context_.platform);
    if (const auto changed = store_->FindHoldingIn(portfolioId, holdingId)) {
        node->setText(0, Text(changed->Name));
        FillInvestmentList(static_cast<int>(changed->PortfolioId));
    }
}

void MainWindow::DeleteClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node) return;
    if (IsInvestmentNode(node)) {
        DeleteInvestment(node);
    } else {
        DeletePortfolio(node);
    }
}

void MainWindow::DeleteInvestment(QTreeWidgetItem* node) {
    const std::optional<HoldingRecord> holding =
        store_->FindHoldingIn(PortfolioIdOf(node), HoldingIdOf(node));
    if (!holding) return;
    Platform& platform = context_.platform;
    if (!platform.AskYesNo("Delete Holding",
                           "Are you sure you want to delete " + Text(holding->Name) + "?")) {
        return;
    }
    if (ShowIfFailed(platform, store_->DeleteHolding(holding->Id))) return;
    // Removing the node moves the selection, whose change handler refills the list when the
    // portfolio changes; the refill below covers the portfolio that lost the investment.
    delete node;
    FillInvestmentList(current_portfolio_id_);
}

void MainWindow::DeletePortfolio(QTreeWidgetItem* node) {
    const std::optional<PortfolioRecord> portfolio = store_->FindPortfolio(PortfolioIdOf(node));
    if (!portfolio) return;
    Platform& platform = context_.platform;
    if (!platform.AskYesNo("Delete Portfolio",
                           "Are you sure you want to delete " + Text(portfolio->Name) + "?")) {
        return;
    }
    if (ShowIfFailed(platform, store_->DeletePortfolio(portfolio->Id))) return;
    delete node;
    if (QTreeWidgetItem* now = SelectedNode()) {
        now->setSelected(true);
        FillInvestmentList(PortfolioIdOf(now));
    } else {
        FillInvestmentList(0);  // the last portfolio is gone: an empty list
    }
}

void MainWindow::CalculateClick() {
    CalculateAllDialog dialog(context_, this);
    if (dialog.Execute(*store_) != QDialog::Accepted) return;
    // The store reloaded its records; nodes hold identifiers, so only the list needs them.
    BusyCursor busy(context_.platform);
    FillInvestmentList(current_portfolio_id_);
}

void MainWindow::ExpandAllClick() { TreeView1->expandAll(); }

void MainWindow::CollapseAllClick() {
    TreeView1->collapseAll();
    SetInvestmentItemsEnabled(false);
}

void MainWindow::HelpContentsClick() { context_.platform.ShowHelpContents(); }

void MainWindow::AboutClick() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::ExitClick() { close(); }

void MainWindow::TreeView1DblClick() {
    QTreeWidgetItem* node = SelectedNode();
    if (node && IsInvestmentNode(node)) DetailsClick();
}

}  // namespace brevanta
