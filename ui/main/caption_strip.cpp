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

void CaptionStrip::setCaption(const QString& caption, const QString& elidable) {
    caption_ = caption;
    elidable_ = elidable;
    showElided();
}

QSize CaptionStrip::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void CaptionStrip::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showElided();
}

void CaptionStrip::showElided() {
    const QFontMetrics metrics = fontMetrics();
    const int room = qMax(contentsRect().width() - 2 * margin() - 8, 0);
    QString shown = caption_;
    const qsizetype at = elidable_.isEmpty() ? -1 : caption_.indexOf(elidable_);
    if (at >= 0 && metrics.horizontalAdvance(caption_) > room) {
        const int rest = metrics.horizontalAdvance(QString(caption_).remove(at, elidable_.size()));
        const int ellipsis = metrics.horizontalAdvance(QChar(0x2026));
        shown.replace(at, elidable_.size(),
                      metrics.elidedText(elidable_, Qt::ElideRight, qMax(room - rest, ellipsis)));
    }
    shown = metrics.elidedText(shown, Qt::ElideRight, room);
    setText(shown);
    setToolTip(shown == caption_ ? QString() : caption_);
}

}  // namespace brevanta
