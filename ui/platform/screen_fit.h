#pragma once

class QWidget;

namespace brevanta {

// Keeps a top-level window, frame included, on the available part of its screen: no larger
// than it and moved in from its edges, for small screens and for geometry remembered on a
// larger one. Call it when the window is shown.
void FitToScreen(QWidget& window);

// The page inside a frameless scroll area that gives it all its room when there is enough,
// so that a window of such pages can shrink to a small screen.
QWidget* Scrollable(QWidget* page);

}  // namespace brevanta
