// What an opaque control without a colour of its own shows behind its content:
// the background of what holds it. The window and each control that encloses it
// paint their own part there, as they paint it under their controls (a group
// box's inside has a shade of its own), so nothing below the control shows
// through and no shade other than its parent's surrounds its content.
//
// The widget marks itself opaque with Qt::WA_OpaquePaintEvent, so that Qt
// paints nothing under it, and calls PaintParentBackground first in its
// paintEvent.
#pragma once

class QPainter;
class QRegion;
class QWidget;

namespace fw::qt {

// A holder whose paintEvent paints more than its palette's background, such as a group box's frame.
class OwnBackground {
public:
    // Paints, in the holder's coordinates, what its paintEvent paints under its controls.
    virtual void paintOwnBackground(QPainter& painter) const = 0;

protected:
    ~OwnBackground() = default;
};

// Whether the widget paints its parent's background itself; a transparent one lets what lies below show.
void SetOpaque(QWidget& widget, bool opaque);
bool IsOpaque(const QWidget& widget);

// Paints the region (in the widget's coordinates) as the widget's parent shows it without its controls.
void PaintParentBackground(QWidget& widget, const QRegion& region);

} // namespace fw::qt
