#include "ui/calc/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/blanks.h"
#include "core/number_parse.h"
#include "reports/figure_cell.h"
#include "store/column_choice.h"
#include "store/currency_setting.h"
#include "store/data_store.h"
#include "store/risk_free_setting.h"
#include "ui/platform/dialog_buttons.h"
#include "ui/platform/translated.h"

namespace brevanta {

namespace {

constexpr int kMostDigits = 6;
constexpr int kFormatPage = 1;

// A button beside a column list; Enter stays with OK.
QPushButton* MakeListButton(const QString& text, const QString& hint, const char* name,
                            QWidget* parent) {
    QPushButton* button = NamedButton(text, name, parent);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoDefault(false);
    return button;
}

QListWidget* MakeColumnList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

void Fill(QListWidget* list, const std::vector<ColumnRecord>& columns) {
    list->clear();
    for (const ColumnRecord& column : columns) {
        auto* item = new QListWidgetItem(Translated(ColumnCaption(column.Name)), list);
        item->setData(Qt::UserRole, QString::fromStdString(column.Name));  // as stored
    }
}

// The selected lines, or all, moved in list order to the end of `to`.
void MoveLines(QListWidget* from, QListWidget* to, bool all) {
    for (int line = 0; line < from->count();) {
        if (all || from->item(line)->isSelected()) {
            to->addItem(from->takeItem(line));
        } else {
            ++line;
        }
    }
}

// The rate as stored, with the locale's decimal separator.
QString RiskFreeShown(double percent, const Locale& locale) {
    std::string text = RiskFreeText(percent);
    std::replace(text.begin(), text.end(), '.', locale.decimal_separator);
    return QString::fromStdString(text);
}

std::vector<std::string> Names(const QListWidget* list) {
    std::vector<std::string> names;
    for (int line = 0; line < list->count(); ++line) {
        names.push_back(list->item(line)->data(Qt::UserRole).toString().toStdString());
    }
    return names;
}

}  // namespace

OptionsDialog::OptionsDialog(UiContext& context, DataStore& store, QWidget* parent)
    : QDialog(parent),
      context_(context),
      store_(store),
      pages_(new QTabWidget(this)),
      availableList_(MakeColumnList("availableList", this)),
      selectedList_(MakeColumnList("selectedList", this)),
      addSelectedButton_(MakeListButton(">", tr("Add selected"), "addSelectedButton", this)),
      addAllButton_(MakeListButton(">>", tr("Add all"), "addAllButton", this)),
      removeSelectedButton_(
          MakeListButton("<", tr("Remove selected"), "removeSelectedButton", this)),
      removeAllButton_(MakeListButton("<<", tr("Remove all"), "removeAllButton", this)),
      upButton_(MakeListButton({}, tr("Move up"), "upButton", this)),
      downButton_(MakeListButton({}, tr("Move down"), "downButton", this)),
      digitsCombo_(new QComboBox(this)),
      riskFreeEdit_(new QLineEdit(this)),
      currencyEdit_(new QLineEdit(this)),
      auditLogBox_(new QCheckBox(tr("Log performance calculation detail to Audit file."), this)) {
    setObjectName("OptionsDialog");
    setWindowTitle(tr("Options"));
    pages_->setObjectName("pages");
    pages_->setAccessibleName(tr("Pages"));
    availableList_->setAccessibleName(tr("Columns not shown"));
    selectedList_->setAccessibleName(tr("Columns shown"));
    availableList_->setAccessibleDescription(
        tr("Columns the main window's investment list can show; a $ marks a dollar-weighted "
           "return."));
    selectedList_->setAccessibleDescription(
        tr("The columns of the main window's investment list, from left to right."));
    digitsCombo_->setAccessibleDescription(
        tr("How many digits the main window shows after the decimal point of a return."));
    auditLogBox_->setAccessibleDescription(
        tr("Appends the figures behind every time-weighted return calculated to calclog.txt in "
           "the data directory."));
    digitsCombo_->setObjectName("digitsCombo");
    riskFreeEdit_->setObjectName("riskFreeEdit");
    currencyEdit_->setObjectName("currencyEdit");
    auditLogBox_->setObjectName("auditLogBox");

    pages_->addTab(makeDisplayPage(), tr("&Display"));
    pages_->addTab(makeFormatPage(), tr("&Format"));
    pages_->addTab(makeLoggingPage(), tr("&Loging"));

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("&OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    helpButton_ = buttons.box->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    helpButton_->setObjectName("helpButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons.box);
    setFixedSize(sizeHint());

    connect(addSelectedButton_, &QPushButton::clicked, this, &OptionsDialog::onAddSelectedClicked);
    connect(addAllButton_, &QPushButton::clicked, this, &OptionsDialog::onAddAllClicked);
    connect(removeSelectedButton_, &QPushButton::clicked, this,
            &OptionsDialog::onRemoveSelectedClicked);
    connect(removeAllButton_, &QPushButton::clicked, this, &OptionsDialog::onRemoveAllClicked);
    connect(upButton_, &QPushButton::clicked, this, &OptionsDialog::onUpClicked);
    connect(downButton_, &QPushButton::clicked, this, &OptionsDialog::onDownClicked);
    connect(selectedList_, &QListWidget::itemSelectionChanged, this,
            &OptionsDialog::onSelectedColumnsChanged);
    connect(okButton_, &QPushButton::clicked, this, &OptionsDialog::onOkClicked);
    connect(buttons.box, &QDialogButtonBox::helpRequested, this, &OptionsDialog::onHelpClicked);

    Fill(selectedList_, store_.settings().VisibleColumns());
    Fill(availableList_, store_.settings().HiddenColumns());
    // The digits in use: a stored value outside 0 to 6 shows as the 2 it stands for.
    digitsCombo_->setCurrentIndex(store_.settings().NumberOfDecimals());
    auditLogBox_->setChecked(store_.settings().AuditLoggingOn());
    riskFreeEdit_->setText(RiskFreeShown(RiskFreeRate(store_), context_.locale));
    currencyEdit_->setText(QString::fromStdString(CurrencySymbol(store_)));
}

QWidget* OptionsDialog::makeDisplayPage() {
    auto* page = new QWidget(this);
    upButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    downButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    upButton_->setEnabled(false);
    downButton_->setEnabled(false);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button :
         {addSelectedButton_, addAllButton_, removeSelectedButton_, removeAllButton_}) {
        moves->addWidget(button);
    }
    moves->addStretch();
    auto* order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(upButton_);
    order->addWidget(downButton_);
    order->addStretch();

    auto* available = new QLabel(tr("Items Available"), page);
    available->setBuddy(availableList_);
    auto* selected = new QLabel(tr("Items Selected"), page);
    selected->setBuddy(selectedList_);
    auto* layout = new QGridLayout(page);
    layout->addWidget(
        new QLabel(tr("Select the items you would like displayed on the main window"), page), 0, 0,
        1, 4);
    layout->addWidget(available, 1, 0);
    layout->addWidget(selected, 1, 2);
    layout->addWidget(availableList_, 2, 0);
    layout->addLayout(moves, 2, 1);
    layout->addWidget(selectedList_, 2, 2);
    layout->addLayout(order, 2, 3);
    layout->addWidget(new QLabel(tr("\"$\" Indicates Dollar Weighted Returns"), page), 3, 0, 1, 4);
    return page;
}

QWidget* OptionsDialog::makeFormatPage() {
    auto* page = new QWidget(this);
    for (int digits = 0; digits <= kMostDigits; ++digits) {
        digitsCombo_->addItem(QString::number(digits));
    }
    auto* group = new QGroupBox(tr(" # of Digits After Decimal "), page);
    auto* digits = new QLabel(tr("Digits"), group);
    digits->setBuddy(digitsCombo_);
    auto* row = new QHBoxLayout(group);
    row->addWidget(digits);
    row->addWidget(digitsCombo_);
    row->addStretch();
    auto* risk = new QGroupBox(tr(" Risk Figures "), page);
    auto* riskFree = new QLabel(tr("&Risk-free rate (% a year):"), risk);
    riskFree->setBuddy(riskFreeEdit_);
    riskFreeEdit_->setMaximumWidth(100);
    riskFreeEdit_->setToolTip(
        tr("The yearly rate the Sharpe and Sortino ratios measure returns against; 3 means 3 %"));
    auto* riskRow = new QHBoxLayout(risk);
    riskRow->addWidget(riskFree);
    riskRow->addWidget(riskFreeEdit_);
    riskRow->addStretch();
    auto* money = new QGroupBox(tr(" Money "), page);
    auto* currency = new QLabel(tr("&Currency symbol:"), money);
    currency->setBuddy(currencyEdit_);
    currencyEdit_->setAccessibleName(tr("Currency symbol"));
    currencyEdit_->setMaxLength(kLongestCurrencySymbol);
    currencyEdit_->setMaximumWidth(100);
    currencyEdit_->setToolTip(
        tr("The symbol amounts carry, such as $ or €; the windows place it as the system's "
           "locale places its currency"));
    auto* moneyRow = new QHBoxLayout(money);
    moneyRow->addWidget(currency);
    moneyRow->addWidget(currencyEdit_);
    moneyRow->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(risk);
    layout->addWidget(money);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::makeLoggingPage() {
    auto* page = new QWidget(this);
    auto* explanation =
        new QLabel(tr("Selecting this option will generate a log file that stores the \n"
                      "numbers used to calculate all time weighted rates of return.\n"
                      "The log file is named:  calclog.txt\n"
                      "Note: This file can get large and should be deleted or\n"
                      "edited from time to time if you calculate performance on \n"
                      "a large number of investments regularly.\n"
                      "It is stored in the data directory:\n%1")
                       .arg(QString::fromStdString(context_.data_directory.string())),
                   page);
    explanation->setObjectName("logExplanation");
    explanation->setFrameShape(QFrame::StyledPanel);
    explanation->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(auditLogBox_);
    layout->addWidget(explanation);
    layout->addStretch();
    return page;
}

void OptionsDialog::onAddSelectedClicked() { MoveLines(availableList_, selectedList_, false); }

void OptionsDialog::onAddAllClicked() { MoveLines(availableList_, selectedList_, true); }

void OptionsDialog::onRemoveSelectedClicked() { MoveLines(selectedList_, availableList_, false); }

void OptionsDialog::onRemoveAllClicked() { MoveLines(selectedList_, availableList_, true); }

void OptionsDialog::onUpClicked() { moveSelectedColumn(-1); }

void OptionsDialog::onDownClicked() { moveSelectedColumn(1); }

void OptionsDialog::moveSelectedColumn(int step) {
    const QList<QListWidgetItem*> selected = selectedList_->selectedItems();
    if (selected.size() != 1) return;
    const int line = selectedList_->row(selected.front());
    const int target = line + step;
    if (target < 0 || target >= selectedList_->count()) return;
    selectedList_->insertItem(target, selectedList_->takeItem(line));
    selectedList_->setCurrentRow(target);
}

void OptionsDialog::onSelectedColumnsChanged() {
    const bool one = selectedList_->selectedItems().size() == 1;
    upButton_->setEnabled(one);
    downButton_->setEnabled(one);
}

void OptionsDialog::refuseFormatField(QLineEdit* edit, const QString& message) {
    context_.platform.ShowPlain(message);
    pages_->setCurrentIndex(kFormatPage);
    edit->setFocus();
    edit->selectAll();
}

void OptionsDialog::onOkClicked() {
    const std::optional<double> riskFree =
        ParseNumber(riskFreeEdit_->text().toStdString(), context_.locale);
    if (!riskFree || !IsRiskFreeRate(*riskFree)) {
        refuseFormatField(
            riskFreeEdit_,
            tr("Please enter a risk-free rate in percent above -100, such as 3 for 3 %."));
        return;
    }
    const std::string currency(TrimBlanks(currencyEdit_->text().toStdString()));
    if (const std::optional<Message> refusal = CurrencySymbolRefusal(currency)) {
        refuseFormatField(currencyEdit_, Translated(*refusal));
        return;
    }
    const bool riskFreeChanged = *riskFree != RiskFreeRate(store_);
    const bool currencyChanged = currency != CurrencySymbol(store_);
    BusyCursor busy(context_.platform);
    const ColumnChoice columns{Names(availableList_), Names(selectedList_)};
    const bool columnsChanged =
        ColumnChoiceChanged(store_.settings().VisibleColumns(), columns.shown);
    const bool digitsChanged = digitsCombo_->currentIndex() != store_.settings().NumberOfDecimals();
    // The choices are stored together or not at all.
    DataStore::Change change(store_, "changing the options");
    Status saved = change.status();
    if (saved.ok() && columnsChanged) saved = StoreColumnChoice(store_, columns);
    DataStore::Settings& settings = store_.settings();
    if (saved.ok() && digitsChanged) {
        saved =
            settings.StoreSetting(NumDecKey, {.Val1 = digitsCombo_->currentText().toStdString()});
    }
    if (saved.ok()) {
        saved = settings.StoreSetting(LogAuditKey, {.Val1 = auditLogBox_->isChecked() ? "1" : "0"});
    }
    if (saved.ok() && riskFreeChanged) saved = StoreRiskFreeRate(store_, *riskFree);
    if (saved.ok() && currencyChanged) saved = StoreCurrencySymbol(store_, currency);
    if (saved.ok()) saved = change.Commit();
    ShowIfFailed(context_.platform, saved, tr("The options could not be saved."));
    // Even after a failure: the main window then shows what the store holds.
    done(columnsChanged || digitsChanged || currencyChanged ? Accepted : Rejected);
}

void OptionsDialog::onHelpClicked() { context_.platform.ShowHelpTopic("COLUMNS"); }

}  // namespace brevanta
