// Fonts and colours of the framework's objects, as Qt widgets show them.
#pragma once

#include <fw/Color.h>

#include <QColor>
#include <QPalette>

class QWidget;

namespace fw {
class TextEdit;
class TextFontControl;
} // namespace fw

namespace fw::qt {

inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

// Sets a colour for the enabled states only, so that a disabled widget keeps the style's greyed look.
void SetEnabledColor(QWidget* widget, QPalette::ColorRole role, Color color);

// An editable text's TextColor and BackColor.
void ApplyTextColors(QWidget* widget, const TextEdit& text);

// TextFont ("System": the platform's), TextSize in points (0: the platform's), bold, italic, underline.
void ApplyFont(QWidget* widget, const TextFontControl& control);

} // namespace fw::qt
