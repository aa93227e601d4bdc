#include "ui/platform/screen_fit.h"

#include <QScreen>
#include <QWidget>

namespace brevanta {

void FitToScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize decoration = frame.size() - window.size();
    const QSize fitted = frame.size().boundedTo(available.size());
    window.resize(fitted - decoration);
    window.move(qBound(available.left(), frame.left(), available.right() - fitted.width() + 1),
                qBound(available.top(), frame.top(), available.bottom() - fitted.height() + 1));
}

}  // namespace brevanta
