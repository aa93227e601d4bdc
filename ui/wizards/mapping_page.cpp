#include "ui/wizards/mapping_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "exchange/import_export_engine.h"
#include "store/data_store.h"
#include "ui/detail/entry_refusal.h"
#include "ui/platform/colour_scheme.h"
#include "ui/platform/text_table_model.h"

namespace brevanta {

namespace {

constexpr int kAutomatic = -1;  // item data: left for the file to settle
constexpr int kSignedAmount = 0;
constexpr int kDebitAndCredit = 1;
constexpr int kTypeFromSign = 0;
constexpr int kTypeFromColumn = 1;
constexpr int kMostSkippedLines = 9999;

QComboBox* NamedCombo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    return combo;
}

int DataOf(const QComboBox* combo) { return combo->currentData().toInt(); }

void SelectData(QComboBox* combo, int data) {
    const int index = combo->findData(data);
    if (index >= 0) combo->setCurrentIndex(index);
}

QString EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8")
                                          : QStringLiteral("Windows-1252");
}

QString FormatName(ImportDateFormat format) {
    return QString::fromStdString(std::string(ImportDateFormatName(format)));
}

// A label whose mnemonic moves the focus to `buddy`.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The widgets side by side, as one cell of a form.
QWidget* Row(std::initializer_list<QWidget*> widgets, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) layout->addWidget(widget, 1);
    return row;
}

// The highest column the mapping names.
int HighestColumn(const ImportMapping& mapping) {
    int highest = mapping.date_column;
    for (const std::optional<int>& column :
         {mapping.amount_column, mapping.debit_column, mapping.credit_column, mapping.type_column,
          mapping.description_column}) {
        highest = std::max(highest, column.value_or(0));
    }
    return highest;
}

}  // namespace

MappingPage::MappingPage(UiContext& context, DataStore& store, QWidget* parent)
    : QWidget(parent),
      context_(context),
      store_(store),
      savedMappingCombo_(NamedCombo("savedMappingCombo", this)),
      delimiterCombo_(NamedCombo("delimiterCombo", this)),
      encodingCombo_(NamedCombo("encodingCombo", this)),
      skipSpin_(new QSpinBox(this)),
      decimalCombo_(NamedCombo("decimalCombo", this)),
      groupingCombo_(NamedCombo("groupingCombo", this)),
      dateColumnCombo_(NamedCombo("dateColumnCombo", this)),
      dateFormatCombo_(NamedCombo("dateFormatCombo", this)),
      dateFormatNote_(new QLabel(this)),
      amountKindCombo_(NamedCombo("amountKindCombo", this)),
      amountColumnCombo_(NamedCombo("amountColumnCombo", this)),
      debitColumnCombo_(NamedCombo("debitColumnCombo", this)),
      creditColumnCombo_(NamedCombo("creditColumnCombo", this)),
      typeSourceCombo_(NamedCombo("typeSourceCombo", this)),
      typeColumnCombo_(NamedCombo("typeColumnCombo", this)),
      typeMapTable_(new QTableWidget(0, 2, this)),
      descriptionColumnCombo_(NamedCombo("descriptionColumnCombo", this)),
      previewModel_(new TextTableModel({}, this)),
      previewTable_(new QTableView(this)),
      previewSummary_(new QLabel(this)),
      saveNameEdit_(new QLineEdit(this)) {
    setObjectName("mappingPage");
    skipSpin_->setObjectName("skipSpin");
    skipSpin_->setRange(0, kMostSkippedLines);
    dateFormatNote_->setObjectName("dateFormatNote");
    dateFormatNote_->setWordWrap(true);
    QPalette warning = dateFormatNote_->palette();
    warning.setColor(QPalette::WindowText, WarningTextColour(warning));
    dateFormatNote_->setPalette(warning);
    QFont bold = dateFormatNote_->font();
    bold.setBold(true);
    dateFormatNote_->setFont(bold);
    typeMapTable_->setObjectName("typeMapTable");
    typeMapTable_->setAccessibleName(tr("Types"));
    // Each of these stands beside another field of its row, away from the row's label.
    dateColumnCombo_->setAccessibleName(tr("Date column"));
    amountColumnCombo_->setAccessibleName(tr("Amount column"));
    debitColumnCombo_->setAccessibleName(tr("Debit column"));
    creditColumnCombo_->setAccessibleName(tr("Credit column"));
    typeColumnCombo_->setAccessibleName(tr("Type column"));
    typeMapTable_->setHorizontalHeaderLabels({tr("Text in the file"), tr("Type")});
    typeMapTable_->horizontalHeader()->setStretchLastSection(true);
    typeMapTable_->verticalHeader()->hide();
    typeMapTable_->verticalHeader()->setDefaultSectionSize(typeSourceCombo_->sizeHint().height());
    typeMapTable_->setMaximumHeight(5 * typeSourceCombo_->sizeHint().height());
    previewTable_->setObjectName("previewTable");
    previewTable_->setAccessibleName(tr("Preview"));
    previewTable_->setModel(previewModel_);
    previewTable_->verticalHeader()->hide();
    previewTable_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    previewTable_->horizontalHeader()->setStretchLastSection(true);
    previewTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    previewTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewSummary_->setObjectName("previewSummary");
    previewSummary_->setWordWrap(true);
    saveNameEdit_->setObjectName("saveNameEdit");
    saveNameEdit_->setPlaceholderText(tr("a name, to use the mapping again"));

    delimiterCombo_->addItem(tr("Comma"), ',');
    delimiterCombo_->addItem(tr("Semicolon"), ';');
    delimiterCombo_->addItem(tr("Tab"), '\t');
    encodingCombo_->addItem(tr("Automatic"), kAutomatic);
    encodingCombo_->addItem(EncodingName(TextEncoding::Utf8), int(TextEncoding::Utf8));
    encodingCombo_->addItem(EncodingName(TextEncoding::Windows1252),
                            int(TextEncoding::Windows1252));
    decimalCombo_->addItem(tr("Point (.)"), '.');
    decimalCombo_->addItem(tr("Comma (,)"), ',');
    groupingCombo_->addItem(tr("None"), 0);
    groupingCombo_->addItem(tr("Point (.)"), '.');
    groupingCombo_->addItem(tr("Comma (,)"), ',');
    groupingCombo_->addItem(tr("Blank"), ' ');
    dateFormatCombo_->addItem(tr("Automatic"), kAutomatic);
    for (ImportDateFormat format : kImportDateFormats) {
        dateFormatCombo_->addItem(FormatName(format), int(format));
    }
    amountKindCombo_->addItem(tr("One signed amount"), kSignedAmount);
    amountKindCombo_->addItem(tr("Debit and credit"), kDebitAndCredit);
    typeSourceCombo_->addItem(tr("From the sign (+ CC, \u2212 WI)"), kTypeFromSign);
    typeSourceCombo_->addItem(tr("From a column"), kTypeFromColumn);

    auto* file = new QGroupBox(tr("File"), this);
    auto* fileForm = new QFormLayout(file);
    fileForm->addRow(BuddyLabel(tr("&Delimiter:"), delimiterCombo_, this), delimiterCombo_);
    fileForm->addRow(BuddyLabel(tr("C&haracter set:"), encodingCombo_, this), encodingCombo_);
    fileForm->addRow(BuddyLabel(tr("S&kip leading lines:"), skipSpin_, this), skipSpin_);
    fileForm->addRow(BuddyLabel(tr("Decimal se&parator:"), decimalCombo_, this), decimalCombo_);
    fileForm->addRow(BuddyLabel(tr("&Grouping:"), groupingCombo_, this), groupingCombo_);

    typeLabel_ = BuddyLabel(tr("T&ype:"), typeSourceCombo_, this);
    descriptionLabel_ = BuddyLabel(tr("Descr&iption:"), descriptionColumnCombo_, this);
    auto* columns = new QGroupBox(tr("Columns"), this);
    auto* columnForm = new QFormLayout(columns);
    columnForm->addRow(BuddyLabel(tr("Da&te:"), dateColumnCombo_, this),
                       Row({dateColumnCombo_, dateFormatCombo_}, this));
    columnForm->addRow(dateFormatNote_);
    columnForm->addRow(
        BuddyLabel(tr("&Amount:"), amountKindCombo_, this),
        Row({amountKindCombo_, amountColumnCombo_, debitColumnCombo_, creditColumnCombo_}, this));
    columnForm->addRow(typeLabel_, Row({typeSourceCombo_, typeColumnCombo_}, this));
    columnForm->addRow(typeMapTable_);
    columnForm->addRow(descriptionLabel_, descriptionColumnCombo_);

    auto* settings = new QHBoxLayout;
    settings->addWidget(file);
    settings->addWidget(columns, 1);
    auto* saved = new QHBoxLayout;
    saved->addWidget(BuddyLabel(tr("&Saved mapping:"), savedMappingCombo_, this));
    saved->addWidget(savedMappingCombo_, 1);
    auto* save = new QHBoxLayout;
    save->addWidget(BuddyLabel(tr("Sa&ve the mapping as:"), saveNameEdit_, this));
    save->addWidget(saveNameEdit_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(saved);
    layout->addLayout(settings);
    layout->addWidget(BuddyLabel(tr("P&review of the first lines:"), previewTable_, this));
    layout->addWidget(previewTable_, 1);
    layout->addWidget(previewSummary_);
    layout->addLayout(save);

    connect(savedMappingCombo_, &QComboBox::activated, this, &MappingPage::onSavedMappingChosen);
    for (QComboBox* combo : {delimiterCombo_, encodingCombo_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &MappingPage::onLayoutChanged);
    }
    connect(skipSpin_, &QSpinBox::valueChanged, this, &MappingPage::onLayoutChanged);
    for (QComboBox* combo : {typeSourceCombo_, typeColumnCombo_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &MappingPage::onTypeColumnChanged);
    }
    for (QComboBox* combo :
         {decimalCombo_, groupingCombo_, dateColumnCombo_, dateFormatCombo_, amountKindCombo_,
          amountColumnCombo_, debitColumnCombo_, creditColumnCombo_, descriptionColumnCombo_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &MappingPage::onSettingChanged);
    }
}

void MappingPage::load(const std::filesystem::path& file, ImportKind kind, Pid portfolioId,
                       Hid holdingId) {
    file_ = file;
    kind_ = kind;
    portfolioId_ = portfolioId;
    holdingId_ = holdingId;
    sample_ = {};
    ReadFileSample(file_, &sample_);  // a file that cannot be read says so in the preview
    guessed_ = GuessMapping(sample_, kind_);
    {
        const QSignalBlocker blocker(savedMappingCombo_);
        savedMappingCombo_->clear();
        savedMappingCombo_->addItem(tr("Guessed from the file"));
        for (const std::string& name : SavedMappingNames(context_.data_directory)) {
            savedMappingCombo_->addItem(QString::fromStdString(name));
        }
    }
    saveNameEdit_->clear();
    showControlsForKind();
    showMapping(guessed_);
    refresh();
}

void MappingPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    (dateFormatNote_->isHidden() ? savedMappingCombo_ : dateFormatCombo_)->setFocus();
}

ImportMapping MappingPage::readMapping() const {
    ImportMapping mapping;
    mapping.delimiter = static_cast<char>(DataOf(delimiterCombo_));
    if (DataOf(encodingCombo_) != kAutomatic) {
        mapping.encoding = static_cast<TextEncoding>(DataOf(encodingCombo_));
    }
    mapping.skip = static_cast<std::size_t>(skipSpin_->value());
    mapping.date_column = std::max(1, DataOf(dateColumnCombo_));
    if (DataOf(dateFormatCombo_) != kAutomatic) {
        mapping.date_format = static_cast<ImportDateFormat>(DataOf(dateFormatCombo_));
    }
    mapping.separators.decimal = static_cast<char>(DataOf(decimalCombo_));
    if (DataOf(groupingCombo_) != 0) {
        mapping.separators.grouping = static_cast<char>(DataOf(groupingCombo_));
    }
    const bool transactions = kind_ == ImportKind::Transactions;
    if (transactions && DataOf(amountKindCombo_) == kDebitAndCredit) {
        mapping.debit_column = DataOf(debitColumnCombo_);
        mapping.credit_column = DataOf(creditColumnCombo_);
    } else {
        mapping.amount_column = DataOf(amountColumnCombo_);
    }
    if (!transactions) return mapping;
    if (DataOf(typeSourceCombo_) == kTypeFromSign) {
        mapping.type_from_sign = true;
    } else {
        mapping.type_column = DataOf(typeColumnCombo_);
        for (int row = 0; row < typeMapTable_->rowCount(); ++row) {
            const auto* code = qobject_cast<QComboBox*>(typeMapTable_->cellWidget(row, 1));
            if (!code->currentData().toString().isEmpty()) {
                mapping.type_codes[typeMapTable_->item(row, 0)->text().toStdString()] =
                    code->currentData().toString().toStdString();
            }
        }
    }
    if (DataOf(descriptionColumnCombo_) > 0) {
        mapping.description_column = DataOf(descriptionColumnCombo_);
    }
    return mapping;
}

void MappingPage::showMapping(const ImportMapping& mapping) {
    const QSignalBlocker blockers[] = {
        QSignalBlocker(delimiterCombo_),  QSignalBlocker(encodingCombo_),
        QSignalBlocker(skipSpin_),        QSignalBlocker(decimalCombo_),
        QSignalBlocker(groupingCombo_),   QSignalBlocker(dateFormatCombo_),
        QSignalBlocker(amountKindCombo_), QSignalBlocker(typeSourceCombo_)};
    SelectData(delimiterCombo_, mapping.delimiter);
    SelectData(encodingCombo_, mapping.encoding ? int(*mapping.encoding) : kAutomatic);
    skipSpin_->setValue(static_cast<int>(std::min<std::size_t>(mapping.skip, kMostSkippedLines)));
    SelectData(decimalCombo_, mapping.separators.decimal);
    SelectData(groupingCombo_, mapping.separators.grouping.value_or(0));
    SelectData(dateFormatCombo_, mapping.date_format ? int(*mapping.date_format) : kAutomatic);
    SelectData(amountKindCombo_, mapping.debit_column ? kDebitAndCredit : kSignedAmount);
    SelectData(typeSourceCombo_, mapping.type_column ? kTypeFromColumn : kTypeFromSign);
    refillColumns(mapping);
    refillTypeMap(mapping);
}

void MappingPage::refillColumns(const ImportMapping& mapping) {
    const std::vector<std::string> names = ColumnNames(sample_, mapping);
    const int count = std::max(ColumnCount(sample_, mapping), HighestColumn(mapping));
    const std::pair<QComboBox*, std::optional<int>> choices[] = {
        {dateColumnCombo_, mapping.date_column},
        {amountColumnCombo_, mapping.amount_column},
        {debitColumnCombo_, mapping.debit_column},
        {creditColumnCombo_, mapping.credit_column},
        {typeColumnCombo_, mapping.type_column},
        {descriptionColumnCombo_, mapping.description_column.value_or(0)}};
    for (const auto& [combo, choice] : choices) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        if (combo == descriptionColumnCombo_) combo->addItem(tr("None"), 0);
        for (int column = 1; column <= count; ++column) {
            const auto index = static_cast<std::size_t>(column - 1);
            const QString name =
                index < names.size() ? QString::fromStdString(names[index]) : QString();
            combo->addItem(
                name.isEmpty() ? tr("Column %1").arg(column) : tr("%1: %2").arg(column).arg(name),
                column);
        }
        if (choice) SelectData(combo, *choice);
    }
}

void MappingPage::refillTypeMap(const ImportMapping& mapping) {
    typeMapTable_->setRowCount(0);
    if (kind_ != ImportKind::Transactions || !mapping.type_column) return;
    std::vector<std::string> texts;
    ColumnTexts(file_, mapping, *mapping.type_column, &texts);
    const std::pair<QString, const char*> codes[] = {
        {tr("Not imported"), ""},
        {tr("CC - Cash Contribution"), CashContributionCode},
        {tr("DI - Dividend/Distribution Reinvested"), DividendReinvestedCode},
        {tr("WI - Withdrawal"), WithdrawalCode}};
    for (const std::string& text : texts) {
        const int row = typeMapTable_->rowCount();
        typeMapTable_->insertRow(row);
        auto* item = new QTableWidgetItem(QString::fromStdString(text));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        typeMapTable_->setItem(row, 0, item);
        auto* code = new QComboBox(typeMapTable_);
        code->setObjectName("typeCodeCombo");
        for (const auto& [caption, value] : codes) code->addItem(caption, QString(value));
        const auto mapped = mapping.type_codes.find(text);
        if (mapped != mapping.type_codes.end()) {
            code->setCurrentIndex(code->findData(QString::fromStdString(mapped->second)));
        }
        typeMapTable_->setCellWidget(row, 1, code);
        connect(code, &QComboBox::currentIndexChanged, this, &MappingPage::onSettingChanged);
    }
}

void MappingPage::showControlsForKind() {
    const bool transactions = kind_ == ImportKind::Transactions;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             amountKindCombo_, typeLabel_, typeSourceCombo_, typeColumnCombo_, typeMapTable_,
             descriptionLabel_, descriptionColumnCombo_}) {
        widget->setVisible(transactions);
    }
    QList<TextTableModel::Column> columns = {{tr("Line"), Qt::AlignRight},
                                             {tr("Date"), Qt::AlignLeft}};
    if (transactions) columns.append({tr("Type"), Qt::AlignLeft});
    columns.append({transactions ? tr("Amount") : tr("Value"), Qt::AlignRight});
    columns.append({tr("Skipped because"), Qt::AlignLeft});
    previewModel_->setColumns(columns);
}

void MappingPage::onSavedMappingChosen(int index) {
    ImportMapping mapping = guessed_;
    if (index > 0) {
        const std::string name = savedMappingCombo_->itemText(index).toStdString();
        const Status loaded =
            LoadImportMapping(SavedMappingPath(context_.data_directory, name), &mapping);
        if (!loaded.ok()) {
            savedMappingCombo_->setCurrentIndex(0);
            mapping = guessed_;
            context_.platform.ShowError(Translated(loaded.text()));
        }
    }
    showMapping(mapping);
    refresh();
}

void MappingPage::onLayoutChanged() {
    refillColumns(readMapping());
    refillTypeMap(readMapping());
    refresh();
}

void MappingPage::onTypeColumnChanged() {
    refillTypeMap(readMapping());
    refresh();
}

void MappingPage::onSettingChanged() { refresh(); }

void MappingPage::refresh() {
    const bool transactions = kind_ == ImportKind::Transactions;
    const bool debitAndCredit = transactions && DataOf(amountKindCombo_) == kDebitAndCredit;
    amountColumnCombo_->setVisible(!debitAndCredit);
    debitColumnCombo_->setVisible(debitAndCredit);
    creditColumnCombo_->setVisible(debitAndCredit);
    const bool typeColumn = transactions && DataOf(typeSourceCombo_) == kTypeFromColumn;
    typeColumnCombo_->setVisible(typeColumn);
    typeMapTable_->setVisible(typeColumn);

    importMapping_.reset();
    previewModel_->setRows({});
    previewSummary_->clear();
    dateFormatNote_->hide();
    const ImportMapping mapping = readMapping();
    const Status surveyed = SurveyFile(file_, mapping, &survey_);
    encodingCombo_->setItemText(
        0, tr("Automatic (%1)")
               .arg(EncodingName(surveyed.ok() ? survey_.encoding : TextEncoding::Utf8)));
    ImportMapping settled = mapping;
    if (!surveyed.ok()) {
        previewSummary_->setText(Translated(surveyed.text()));
    } else if (mapping.separators.grouping == mapping.separators.decimal) {
        previewSummary_->setText(tr("The grouping must differ from the decimal separator."));
    } else if (!CompleteMapping(survey_, &settled).ok()) {
        // The date format is asked here, never guessed.
        const QString column = QString::number(mapping.date_column);
        QStringList formats;
        for (ImportDateFormat format : survey_.date_formats) formats << FormatName(format);
        dateFormatNote_->setText(
            survey_.dates == 0 ? tr("Column %1 holds no dates: choose the date column.").arg(column)
            : formats.isEmpty()
                ? tr("No date format reads every date in column %1: choose the format.").arg(column)
                : tr("The dates in column %1 read as %2: choose their format.")
                      .arg(column, formats.join(tr(" and as "))));
        dateFormatNote_->show();
    } else {
        importMapping_ = settled;
    }
    dateFormatCombo_->setItemText(0,
                                  settled.date_format && !mapping.date_format
                                      ? tr("Automatic (%1)").arg(FormatName(*settled.date_format))
                                      : tr("Automatic"));
    preview();
}

void MappingPage::preview() {
    bool ready = false;
    if (importMapping_) {
        std::vector<TextRow> rows;
        std::size_t records = 0, skipped = 0;
        ImportExportEngine engine(store_);
        const Status status = engine.Preview(
            {kind_, portfolioId_, holdingId_, importMapping_}, file_,
            [&](const ImportedLine& line) {
                (line.refusal ? skipped : records) += 1;
                if (rows.size() >= static_cast<std::size_t>(kPreviewLines)) return;
                TextRow row{std::monostate(), {std::to_string(line.number)}};
                if (line.refusal) {
                    row.cells.resize(static_cast<std::size_t>(previewModel_->columnCount() - 1));
                    row.cells.push_back(Translated(line.refusal->message).toStdString());
                } else {
                    for (std::string& field : ImportedEntryFields(line.entry)) {
                        row.cells.push_back(std::move(field));
                    }
                    row.cells.emplace_back();
                }
                rows.push_back(std::move(row));
            });
        previewModel_->setRows(std::move(rows));
        previewTable_->resizeColumnsToContents();
        ready = status.ok();
        previewSummary_->setText(
            ready ? tr("%1 lines will be imported and %2 skipped; the preview shows the first %3.")
                        .arg(records)
                        .arg(skipped)
                        .arg(std::min<std::size_t>(records + skipped, kPreviewLines))
                  : Translated(engine.ResultMessage()));
    }
    if (ready != ready_) {
        ready_ = ready;
        emit readyChanged(ready_);
    }
}

ImportMapping MappingPage::mappingToSave() const {
    ImportMapping mapping = readMapping();
    if (importMapping_) mapping.date_format = importMapping_->date_format;
    return mapping;
}

QString MappingPage::saveName() const { return saveNameEdit_->text().trimmed(); }

}  // namespace brevanta
