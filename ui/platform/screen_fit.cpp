#include "ui/platform/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>

namespace brevanta {

namespace {

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// The window manager's frame around the window; before it is framed, the frame of another
// window of the application, which it will get too.
QMargins Decoration(const QWidget& window) {
    const QMargins own = FrameMargins(window);
    if (!own.isNull()) return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &window || !other->isVisible()) continue;
        if (const QMargins margins = FrameMargins(*other); !margins.isNull()) return margins;
    }
    return {};
}

void FitFrame(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QMargins decoration = Decoration(window);
    const QRect frame = window.geometry().marginsAdded(decoration);
    const QSize fitted = frame.size().boundedTo(available.size());
    window.resize(fitted.shrunkBy(decoration));
    window.move(qBound(available.left(), frame.left(), available.right() - fitted.width() + 1),
                qBound(available.top(), frame.top(), available.bottom() - fitted.height() + 1));
}

}  // namespace

void FitToScreen(QWidget& window) {
    FitFrame(window);
    // Only once the window manager has framed the window is its frame's size known.
    QTimer::singleShot(0, &window, [&window] { FitFrame(window); });
}

QWidget* Scrollable(QWidget* page) {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);  // Tab goes to the page's own controls
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

}  // namespace brevanta
