#include "WindowWidget.h"

#include "DesktopTitle.h"

#include <fw/Window.h>
#include <fw/qt/Run.h>

#include <QCloseEvent>
#include <QMenuBar>
#include <QResizeEvent>

#include <algorithm>
#include <utility>

namespace fw::qt {

WindowWidget::WindowWidget(Window& object)
    : QWidget(nullptr, Qt::Window)
    , object_(&object)
    , content_(new QWidget(this))
{
}

QMenuBar* WindowWidget::menuBar() const noexcept { return bar_; }

void WindowWidget::setMenuBar(QMenuBar* bar)
{
    if (bar == bar_)
        return;
    if (bar_) {
        bar_->hide();
        bar_->deleteLater();
    }
    bar_ = bar;
    if (bar_) {
        bar_->setParent(this);
        bar_->show();
    }
    layOut();
}

int WindowWidget::menuBarHeight(int width) const
{
    if (!bar_ || bar_->isHidden() || bar_->isNativeMenuBar())
        return 0;
    return bar_->hasHeightForWidth() ? bar_->heightForWidth(width) : bar_->sizeHint().height();
}

void WindowWidget::setContentGeometry(QSize size, QSize minimum, QSize maximum, bool resizeable)
{
    bool wasSizing = std::exchange(sizing_, true);
    int bar = menuBarHeight(size.width());
    auto outer = [bar](QSize content) {
        return QSize(
            std::clamp(content.width(), 0, QWIDGETSIZE_MAX), std::clamp(content.height() + bar, 0, QWIDGETSIZE_MAX));
    };
    if (resizeable) {
        setMinimumSize(outer(minimum));
        setMaximumSize(outer(maximum));
    } else {
        setFixedSize(outer(size));
    }
    resize(outer(size));
    layOut();
    sizing_ = wasSizing;
}

void WindowWidget::layOut()
{
    int bar = menuBarHeight(width());
    if (bar_)
        bar_->setGeometry(0, 0, width(), bar);
    content_->setGeometry(0, bar, width(), std::max(0, height() - bar));
}

bool WindowWidget::event(QEvent* event)
{
    bool handled = QWidget::event(event);
    // Qt has just told the desktop a title: the application's name where the title is empty.
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::WinIdChange)
        KeepEmptyTitleEmpty(*this);
    return handled;
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    auto window = object_.get();
    if (window && window->opened()) {
        // The close box asks the object; Qt closes the widget only once the object has closed.
        bool wasClosing = std::exchange(inCloseEvent_, true);
        GuardQtCall([&] { window->userClose(); });
        inCloseEvent_ = wasClosing;
    }
    event->setAccepted(!window || !window->opened());
}

void WindowWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
    if (sizing_)
        return;
    if (auto window = object_.get(); window && window->opened())
        GuardQtCall([&] { window->userResized(content_->width(), content_->height()); });
}

void WindowWidget::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (sizing_ || !isVisible())
        return;
    if (auto window = object_.get(); window && window->opened()) {
        QPoint origin = mapToGlobal(content_->pos());
        GuardQtCall([&] { window->userMoved(origin.x(), origin.y()); });
    }
}

void WindowWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    auto window = object_.get();
    if (!window || !window->opened())
        return;
    if (event->type() == QEvent::ActivationChange) {
        bool active = isActiveWindow();
        GuardQtCall([&] { window->userActivated(active); });
    } else if (event->type() == QEvent::WindowStateChange) {
        auto state = windowState();
        auto shown = state & Qt::WindowMinimized ? WindowState::Minimized
            : state & Qt::WindowMaximized        ? WindowState::Maximized
                                                 : WindowState::Normal;
        GuardQtCall([&] { window->userChangedState(static_cast<std::int32_t>(shown)); });
    }
}

} // namespace fw::qt
