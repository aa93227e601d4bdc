#pragma once

#include <QWidget>

#include "reports/investment_returns.h"

namespace brevanta {

// One figure as a horizontal bar from a fixed zero line: red to the left for a loss, yellow
// to the right for a gain. Its accessible name says which figure it is (set by its owner), its
// accessible description the figure as text.
class ReturnBarWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ReturnBarWidget(QWidget* parent = nullptr);

    // Shows the bar of `figure`, the text a screen reader reads for it.
    void setBar(ReturnBar bar, const QString& figure);
    ReturnBar bar() const { return bar_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ReturnBar bar_;
};

}  // namespace brevanta
