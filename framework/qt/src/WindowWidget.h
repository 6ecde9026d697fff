// The top-level widget of a window: its menu bar, if it has one, above the
// content area that holds the controls. The window's Width and Height are the
// content's; the widget lays out the two itself so that the content has exactly
// that size, and reports to the object what the user does to the window (the close
// box, resizing, moving, activation, minimising and maximising).
//
// Every close goes through Qt's own close, so that Qt knows when the last window
// has gone: a close request (the close box) is accepted once the object has closed,
// and a close that the object started is accepted at once.
#pragma once

#include "WeakObject.h"

#include <QPointer>
#include <QWidget>

class QMenuBar;

namespace fw {
class Window;
}

namespace fw::qt {

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window& object);

    QWidget* content() const noexcept { return content_; }
    QMenuBar* menuBar() const noexcept;
    // Takes over the bar (nullptr: none); the old one goes.
    void setMenuBar(QMenuBar* bar);
    // The height the menu bar takes above the content at this width.
    int menuBarHeight(int width) const;
    // True while the widget asks its object about a close request.
    bool inCloseEvent() const noexcept { return inCloseEvent_; }
    // Sizes the widget for a content area of that size and those limits; reports nothing back.
    void setContentGeometry(QSize size, QSize minimum, QSize maximum, bool resizeable);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOut();

    WeakObject<Window> object_;
    QWidget* content_;
    QPointer<QMenuBar> bar_;
    bool sizing_ = false;
    bool inCloseEvent_ = false;
};

} // namespace fw::qt
