#include "ui/detail/return_bar_widget.h"

#include <QPainter>

#include "ui/platform/colour_scheme.h"

namespace brevanta {

namespace {

constexpr int kMargin = 2;
constexpr int kZeroLine = kMargin + kNegativeBarLimit;
constexpr int kHeight = 16;

}  // namespace

ReturnBarWidget::ReturnBarWidget(QWidget* parent) : QWidget(parent) { setFixedSize(sizeHint()); }

void ReturnBarWidget::setBar(ReturnBar bar, const QString& figure) {
    bar_ = bar;
    // The bar is drawn by hand: a screen reader says its figure instead.
    setAccessibleDescription(figure);
    update();
}

QSize ReturnBarWidget::sizeHint() const {
    return {kZeroLine + kPositiveBarLimit + kMargin, kHeight};
}

void ReturnBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(kZeroLine, 0, kZeroLine, height() - 1);
    if (bar_.side == ReturnBar::Side::Hidden || bar_.width == 0) return;
    const bool negative = bar_.side == ReturnBar::Side::Negative;
    const QRect rect(negative ? kZeroLine - bar_.width : kZeroLine + 1, kMargin, bar_.width,
                     height() - 2 * kMargin);
    painter.fillRect(rect, negative ? LossColour(palette()) : GainColour(palette()));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace brevanta
