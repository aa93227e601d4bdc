#pragma once

#include <QModelIndex>
#include <QWidget>

#include "store/identifiers.h"

class QTreeView;

namespace brevanta {

class CaptionStrip;
class ObservedStore;
class PortfolioTreeModel;

// The tree of portfolios and their investments under its caption. It follows the store's
// portfolios and investments, and reports what the user does to its nodes.
class PortfolioTreePanel : public QWidget {
    Q_OBJECT

  public:
    explicit PortfolioTreePanel(QWidget* parent = nullptr);

    // Builds the tree whole from the store, then follows it. REQUIRES: directory outlives the
    // panel or is replaced.
    void setStore(ObservedStore* directory);
    QTreeView* view() const { return view_; }
    PortfolioTreeModel* model() const { return model_; }
    // The current node when the user can see it, else an invalid index.
    QModelIndex visibleCurrentNode() const;

  signals:
    void currentNodeChanged();
    void expansionChanged();
    // Enter or a double-click on the visible current node.
    void nodeActivated();
    void deletePressed();
    void menuRequested(const QPoint& globalPosition);
    // A node (holdingId 0 for a portfolio) was dropped on a node of the target portfolio, or
    // on empty space (targetPortfolioId 0); sent once the drag is over.
    void nodeDropped(Pid portfolioId, Hid holdingId, Pid targetPortfolioId);
    // A drag entered the tree (every drag of a node starts there).
    void dragStarted();
    // What a drag over the tree is doing, or " " when it left.
    void dragMessage(const QString& message);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow();

    ObservedStore* directory_ = nullptr;
    PortfolioTreeModel* model_;
    CaptionStrip* caption_;
    QTreeView* view_;
};

}  // namespace brevanta
