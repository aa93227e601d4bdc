#include "ui/main/investment_list_panel.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "reports/figure_cell.h"
#include "reports/investment_list_rows.h"
#include "store/data_store.h"
#include "ui/main/caption_strip.h"
#include "ui/platform/observed_store.h"
#include "ui/platform/text_table_model.h"

namespace brevanta {

InvestmentListPanel::InvestmentListPanel(UiContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      model_(new TextTableModel({}, this)),
      caption_(new CaptionStrip(this)),
      view_(new QTreeView(this)) {
    caption_->setObjectName("totalLabel");
    view_->setObjectName("investmentList");
    view_->setAccessibleName(tr("Investments"));
    view_->setAccessibleDescription(
        tr("The investments of the current portfolio with their figures and a total line. "
           "Enter shows the details of the current investment."));
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setAllColumnsShowFocus(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->header()->setStretchLastSection(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(caption_);
    layout->addWidget(view_);

    // Enter and a double-click both activate.
    connect(view_, &QTreeView::activated, this, [this](const QModelIndex& row) {
        if (const Hid* holding = std::get_if<Hid>(&model_->row(row.row()).id)) {
            emit investmentActivated(*holding);
        }
    });
}

std::optional<Hid> InvestmentListPanel::currentInvestment() const {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return std::nullopt;
    if (const Hid* holding = std::get_if<Hid>(&model_->row(current.row()).id)) return *holding;
    return std::nullopt;
}

void InvestmentListPanel::setStore(ObservedStore* directory) {
    directory_ = directory;
    portfolioId_ = {};
    caption_->setCaption({});
    onSettingsChanged();
    connect(directory_, &ObservedStore::figuresChanged, this, &InvestmentListPanel::refill);
    // The recent values come from the histories; the list holds the portfolio's investments.
    connect(directory_, &ObservedStore::historyChanged, this, &InvestmentListPanel::refill);
    connect(directory_, &ObservedStore::holdingsChanged, this, &InvestmentListPanel::refill);
    connect(directory_, &ObservedStore::portfoliosChanged, this, &InvestmentListPanel::refill);
    connect(directory_, &ObservedStore::settingsChanged, this,
            &InvestmentListPanel::onSettingsChanged);
}

void InvestmentListPanel::showPortfolio(Pid portfolio) {
    portfolioId_ = portfolio;
    refill();
}

void InvestmentListPanel::refill() {
    if (!directory_) return;
    InvestmentList list =
        BuildInvestmentList(directory_->store(), portfolioId_, columns_, numberFormat_,
                            context_.locale, context_.clock.Today());
    model_->setRows(std::move(list.rows));
    fitFigureColumns();
    caption_->setCaption(
        Translated(list.caption),
        QString::fromStdString(directory_->store().portfolios().PortfolioName(portfolioId_)));
}

void InvestmentListPanel::onSettingsChanged() {
    const DataStore::Settings& settings = directory_->store().settings();
    numberFormat_ = FigurePattern(settings.NumberOfDecimals());
    columns_ = settings.VisibleColumns();
    listColumns_ = ListColumns(columns_);
    QList<TextTableModel::Column> captions;
    for (const ListColumn& column : listColumns_) {
        captions.append(
            {Translated(column.caption), column.right_aligned ? Qt::AlignRight : Qt::AlignLeft});
    }
    model_->setColumns(std::move(captions));
    if (portfolioId_ != Pid{}) {
        refill();
    } else {
        fitFigureColumns();
    }
}

// Money, figures and their captions are never cut off: such a column is as wide as its
// widest text when that is wider than the stored width (which stays as stored).
void InvestmentListPanel::fitFigureColumns() {
    const QFontMetrics metrics = view_->fontMetrics();
    const QFontMetrics captionMetrics = view_->header()->fontMetrics();
    const int padding =
        2 * view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 8;
    for (size_t i = 0; i < listColumns_.size(); ++i) {
        const int column = static_cast<int>(i);
        int width = listColumns_[i].width;
        if (listColumns_[i].right_aligned) {
            const QString caption = model_->headerData(column, Qt::Horizontal).toString();
            width = qMax(width, captionMetrics.horizontalAdvance(caption) + padding);
            for (int row = 0; row < model_->rowCount(); ++row) {
                const QString text = model_->index(row, column).data().toString();
                width = qMax(width, metrics.horizontalAdvance(text) + padding);
            }
        }
        view_->header()->resizeSection(column, width);
    }
}

}  // namespace brevanta
