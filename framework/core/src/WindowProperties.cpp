// A window's properties that its peer shows: each setter tells the peer what changed.
#include <fw/MenuItem.h>
#include <fw/Window.h>

namespace fw {

Window* Window::parentWindow() const noexcept { return static_cast<Window*>(parentWindow_.get()); }
Ref<Window> Window::parentWindowProperty() const { return Ref<Window>::retain(parentWindow()); }

void Window::setPlacement(std::int32_t placement) { peer_.change(placement_, placement, Aspect::Geometry); }
void Window::setMinWidth(std::int32_t width) { peer_.change(minWidth_, width, Aspect::Geometry); }
void Window::setMinHeight(std::int32_t height) { peer_.change(minHeight_, height, Aspect::Geometry); }
void Window::setMaxWidth(std::int32_t width) { peer_.change(maxWidth_, width, Aspect::Geometry); }
void Window::setMaxHeight(std::int32_t height) { peer_.change(maxHeight_, height, Aspect::Geometry); }
void Window::setFrame(std::int32_t frame) { peer_.change(frame_, frame, Aspect::Style); }
void Window::setComposite(bool value) { peer_.change(composite_, value, Aspect::Style); }
void Window::setHasBackColor(bool value) { peer_.change(hasBackColor_, value, Aspect::Colors); }
void Window::setBackColor(Color color) { peer_.change(backColor_, color, Aspect::Colors); }
void Window::setTitle(std::string_view title) { peer_.change(title_, title, Aspect::Title); }
void Window::setFullScreen(bool value) { peer_.change(fullScreen_, value, Aspect::Geometry); }
void Window::setMenuBarVisible(bool value) { peer_.change(menuBarVisible_, value, Aspect::MenuBar); }
void Window::setCloseButton(bool value) { peer_.change(closeButton_, value, Aspect::Style); }
void Window::setResizeable(bool value) { peer_.change(resizeable_, value, Aspect::Style); }
void Window::setLiveResize(bool value) { peer_.change(liveResize_, value, Aspect::Style); }
void Window::setMaximizeButton(bool value) { peer_.change(maximizeButton_, value, Aspect::Style); }
void Window::setMinimizeButton(bool value) { peer_.change(minimizeButton_, value, Aspect::Style); }
void Window::setFullScreenButton(bool value) { peer_.change(fullScreenButton_, value, Aspect::Style); }
void Window::setMacProcID(std::int32_t id) { peer_.change(macProcID_, id, Aspect::Style); }

Ref<MenuBar> Window::menuBar() const { return menuBar_; }

void Window::setMenuBar(Ref<MenuBar> bar) { peer_.change(menuBar_, bar, Aspect::MenuBar); }

} // namespace fw
