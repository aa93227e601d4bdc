#include "ui/main/portfolio_tree_panel.h"

#include <QEvent>
#include <QShortcut>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "reports/portfolio_tree_rows.h"
#include "ui/main/caption_strip.h"
#include "ui/main/portfolio_tree_model.h"
#include "ui/platform/observed_store.h"

namespace brevanta {

PortfolioTreePanel::PortfolioTreePanel(QWidget* parent)
    : QWidget(parent),
      model_(new PortfolioTreeModel(this)),
      caption_(new CaptionStrip(this)),
      view_(new QTreeView(this)) {
    caption_->setObjectName("treeCaption");
    view_->setObjectName("portfolioTree");
    view_->setAccessibleName(tr("Portfolios"));
    view_->setAccessibleDescription(
        tr("Portfolios with their investments. Enter shows the details of the current one, "
           "Delete deletes it, the menu key or Shift+F10 shows its commands."));
    caption_->setCaption(tr(" All Portfolios"));
    QIcon filled = style()->standardIcon(QStyle::SP_DirClosedIcon);
    filled.addPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16), QIcon::Selected,
                     QIcon::Off);
    model_->setIcons(style()->standardIcon(QStyle::SP_DirClosedIcon), filled,
                     style()->standardIcon(QStyle::SP_FileIcon));
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setIndentation(19);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->setDragDropMode(QAbstractItemView::DragDrop);
    view_->setDefaultDropAction(Qt::MoveAction);
    view_->setDragDropOverwriteMode(true);  // a drop lands on a node, never between
    view_->setDropIndicatorShown(true);
    view_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(caption_);
    layout->addWidget(view_);

    // Queued: the drop is handled once the drag is over, not inside the view's drop event.
    connect(model_, &PortfolioTreeModel::nodeDropped, this, &PortfolioTreePanel::nodeDropped,
            Qt::QueuedConnection);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PortfolioTreePanel::currentNodeChanged);
    connect(view_, &QTreeView::doubleClicked, this, &PortfolioTreePanel::nodeActivated);
    connect(view_, &QTreeView::expanded, this, &PortfolioTreePanel::expansionChanged);
    connect(view_, &QTreeView::collapsed, this, &PortfolioTreePanel::expansionChanged);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { emit menuRequested(view_->viewport()->mapToGlobal(at)); });
    // Qt::Key_Delete, not QKeySequence::Delete: on X11 the latter also means Ctrl+D, which
    // would clash with Details.
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), view_);
    deleteKey->setObjectName("deleteKey");
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &PortfolioTreePanel::deletePressed);
    auto* enterKey = new QShortcut(view_);
    enterKey->setObjectName("enterKey");
    enterKey->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enterKey->setContext(Qt::WidgetShortcut);
    connect(enterKey, &QShortcut::activated, this, &PortfolioTreePanel::nodeActivated);
    // The menu key opens the pop-up menu by itself; Shift+F10 is its other usual key.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), view_);
    menuKey->setObjectName("menuKey");
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QRect node = view_->visualRect(view_->currentIndex());
        emit menuRequested(
            view_->viewport()->mapToGlobal(node.isValid() ? node.center() : QPoint(0, 0)));
    });
}

void PortfolioTreePanel::setStore(ObservedStore* directory) {
    directory_ = directory;
    model_->setPortfolios(BuildPortfolioTree(directory_->store()));
    connect(directory_, &ObservedStore::portfoliosChanged, this, &PortfolioTreePanel::follow);
    connect(directory_, &ObservedStore::holdingsChanged, this, &PortfolioTreePanel::follow);
}

void PortfolioTreePanel::follow() { model_->follow(BuildPortfolioTree(directory_->store())); }

QModelIndex PortfolioTreePanel::visibleCurrentNode() const {
    const QModelIndex node = view_->currentIndex();
    if (!node.isValid()) return {};
    const QModelIndex parent = node.parent();
    return !parent.isValid() || view_->isExpanded(parent) ? node : QModelIndex();
}

bool PortfolioTreePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport()) {
        // A drag of a node starts over the tree it came from.
        if (event->type() == QEvent::DragEnter) emit dragStarted();
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            emit dragMessage(tr("Moving Investment..."));
        } else if (event->type() == QEvent::DragLeave) {
            emit dragMessage(" ");
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace brevanta
