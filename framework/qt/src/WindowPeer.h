// The peer of a window: a top-level WindowWidget, the window's menu bar (its own
// MenuBar, or else the application's; none while it is shown modally), the
// keyboard order of its controls, and showing, modal running and closing. A
// window opens with the keyboard in the first control of its keyboard order
// that takes it, unless the program has given the focus to a control already.
//
// `ShowModal` runs a nested event loop until the window closes, so timers and
// other windows' events go on meanwhile. `Close` hides the widget and lets Qt
// delete it later: the window may be closing from inside one of its own
// widgets' handlers.
#pragma once

#include <fw/Object.h>
#include <fw/Peer.h>

#include <QPointer>

#include <vector>

class QEventLoop;
class QMenuBar;
class QWidget;

namespace fw {
class Window;
}

namespace fw::qt {

class ControlPeer;
class WindowWidget;

class WindowPeer : public Peer {
public:
    explicit WindowPeer(Window& object);
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;
    ~WindowPeer() override;

    void update(Aspect aspect) override;
    void perform(Action action) override;

    QWidget* widget() const noexcept;
    // The parent of the window's controls, below the menu bar.
    QWidget* content() const noexcept;
    QMenuBar* menuBar() const noexcept;

    // Chains the controls' widgets for the Tab key: by TabIndex, ties by the order added.
    void orderTabs();

    // The peer of a window, also while the factory is still making it; nullptr when it has none.
    static WindowPeer* of(const Window* window) noexcept;

private:
    std::vector<ControlPeer*> tabOrder() const;
    void focusFirstControl();
    void applyGeometry();
    void applyStyle();
    void applyColors();
    void applyMenuBar();
    void applyFocus();
    void place();
    void show();
    void showModal();
    void close();

    Window& object_;
    QPointer<WindowWidget> widget_;
    QEventLoop* modalLoop_ = nullptr;
    WeakRef shownBar_;
    bool placed_ = false;
    bool opened_ = false;
    bool modal_ = false;
};

} // namespace fw::qt
