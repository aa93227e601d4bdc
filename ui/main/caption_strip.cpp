#include "ui/main/caption_strip.h"

#include <QFontMetrics>

namespace brevanta {

CaptionStrip::CaptionStrip(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMinimumHeight(24);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CaptionStrip::setCaption(const QString& caption) {
    caption_ = caption;
    showElided();
}

QSize CaptionStrip::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void CaptionStrip::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showElided();
}

void CaptionStrip::showElided() {
    const int room = contentsRect().width() - 2 * margin() - 8;
    const QString shown = fontMetrics().elidedText(caption_, Qt::ElideRight, qMax(room, 0));
    setText(shown);
    setToolTip(shown == caption_ ? QString() : caption_);
}

}  // namespace brevanta
