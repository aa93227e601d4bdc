#pragma once

#include <QColor>
#include <QPalette>

namespace brevanta {

// The colours drawn by hand, chosen against the palette's base so that they stay readable
// whether the desktop is light or dark. Text and lines otherwise take the palette's own roles.

// Whether the palette draws light text on a dark base.
bool IsDark(const QPalette& palette);
// The fill of a loss and of a gain, as on the return bars.
QColor LossColour(const QPalette& palette);
QColor GainColour(const QPalette& palette);
// Text that warns, such as a note the user must not miss.
QColor WarningTextColour(const QPalette& palette);

// The Fusion style's colours on a dark base, for the --dark option and the tests.
QPalette DarkPalette();
// Draws every window in the Fusion style with DarkPalette. REQUIRES: a QApplication.
void UseDarkColours();

}  // namespace brevanta
