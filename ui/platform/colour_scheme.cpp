#include "ui/platform/colour_scheme.h"

#include <QApplication>
#include <QStyleFactory>

namespace brevanta {

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

QColor LossColour(const QPalette& palette) {
    return IsDark(palette) ? QColor(0xff, 0x6b, 0x6b) : QColor(Qt::red);
}

QColor GainColour(const QPalette& palette) {
    return IsDark(palette) ? QColor(0xf0, 0xd0, 0x40) : QColor(Qt::yellow);
}

QColor WarningTextColour(const QPalette& palette) {
    return IsDark(palette) ? QColor(0xff, 0x8a, 0x80) : QColor(0xa0, 0x00, 0x00);
}

QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x24, 0x24, 0x24);
    const QColor text(0xe8, 0xe8, 0xe8);
    const QColor disabledText(0x80, 0x80, 0x80);
    QPalette palette(window);  // derives Light, Mid, Dark and Shadow from the window colour
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x6c, 0xb4, 0xff));
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    return palette;
}

void UseDarkColours() {
    // Fusion draws every control from the palette; a native style may keep its own colours.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(DarkPalette());
}

}  // namespace brevanta
