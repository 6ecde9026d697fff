// The Qt objects behind the framework's objects, for tests and tools that look
// at what an object shows. Each gives nullptr when the object has no Qt peer (or its
// widget is gone).
#pragma once

class QAction;
class QImage;
class QMenuBar;
class QTimer;
class QWidget;

namespace fw {
class MenuItem;
class Object;
class Timer;
class Window;
} // namespace fw

namespace fw::qt {

// A window's top-level widget, or a control's widget.
QWidget* WidgetOf(Object* object);
// The content area of a window: the parent of its controls, below the menu bar;
// window coordinates are this widget's coordinates.
QWidget* ContentOf(Window* window);
QMenuBar* MenuBarOf(Window* window);
// The one action of a menu entry, shared by every menu bar that shows it.
QAction* ActionOf(MenuItem* item);
QTimer* ClockOf(Timer* timer);

// What a control's widget paints by itself, without what lies below or above it:
// clear where it paints nothing. A null image when the control has no widget.
QImage DrawnAlone(Object* control);

} // namespace fw::qt
