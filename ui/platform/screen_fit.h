#pragma once

class QWidget;

namespace brevanta {

// Keeps a top-level window, frame included, on the available part of its screen: no larger
// than it and moved in from its edges, for small screens and for geometry remembered on a
// larger one.
void FitToScreen(QWidget& window);

}  // namespace brevanta
