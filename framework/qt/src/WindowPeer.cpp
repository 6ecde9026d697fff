#include "WindowPeer.h"

#include "ControlPeer.h"
#include "MenuPeer.h"
#include "Styling.h"
#include "TextConversion.h"
#include "WindowWidget.h"

#include <fw/Application.h>
#include <fw/MenuItem.h>
#include <fw/RectControl.h>
#include <fw/Window.h>

#include <QApplication>
#include <QEventLoop>
#include <QHash>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

namespace fw::qt {

namespace {
QHash<const Window*, WindowPeer*>& peersByWindow()
{
    static QHash<const Window*, WindowPeer*> peers;
    return peers;
}

// Placement: 0 leaves the position to the window manager, 2 centres the window on its screen.
constexpr std::int32_t kPlacementCentredOnScreen = 2;
} // namespace

WindowPeer::WindowPeer(Window& object)
    : object_(object)
    , widget_(new WindowWidget(object))
{
    peersByWindow().insert(&object, this);
    widget_->setWindowTitle(ToQt(object_.title()));
    applyStyle();
    applyColors();
    applyMenuBar();
    applyGeometry();
    // A control may have its peer before its window has one (a label makes it on CreatePane).
    for (std::size_t k = 0; k < object_.controlCount(); ++k)
        if (auto* control = ControlPeer::of(object_.controlObject(k)))
            control->reparent();
}

WindowPeer::~WindowPeer()
{
    peersByWindow().remove(&object_);
    close();
}

WindowPeer* WindowPeer::of(const Window* window) noexcept { return peersByWindow().value(window, nullptr); }

QWidget* WindowPeer::widget() const noexcept { return widget_; }
QWidget* WindowPeer::content() const noexcept { return widget_ ? widget_->content() : nullptr; }
QMenuBar* WindowPeer::menuBar() const noexcept { return widget_ ? widget_->menuBar() : nullptr; }

void WindowPeer::update(Aspect aspect)
{
    if (!widget_)
        return;
    switch (aspect) {
    case Aspect::Title:
        widget_->setWindowTitle(ToQt(object_.title()));
        break;
    case Aspect::Geometry:
        applyGeometry();
        break;
    case Aspect::Style:
        applyStyle();
        applyGeometry();
        break;
    case Aspect::Colors:
        applyColors();
        break;
    case Aspect::MenuBar:
        applyMenuBar();
        break;
    case Aspect::TabOrder:
        applyFocus();
        break;
    case Aspect::Visible:
        if (object_.visible() && object_.opened())
            show();
        else
            widget_->hide();
        break;
    case Aspect::Picture:
        widget_->update();
        break;
    default:
        break;
    }
}

void WindowPeer::perform(Action action)
{
    switch (action) {
    case Action::Show:
        show();
        break;
    case Action::ShowModal:
        showModal();
        break;
    case Action::Close:
        close();
        break;
    }
}

void WindowPeer::applyGeometry()
{
    widget_->setContentGeometry(QSize(object_.width(), object_.height()),
        QSize(object_.minWidth(), object_.minHeight()), QSize(object_.maxWidth(), object_.maxHeight()),
        object_.resizeable());
    Qt::WindowStates state = object_.minimized() ? Qt::WindowMinimized
        : object_.maximized()                    ? Qt::WindowMaximized
                                                 : Qt::WindowNoState;
    if ((widget_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != state)
        widget_->setWindowState(state);
}

void WindowPeer::applyStyle()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (object_.closeButton())
        flags |= Qt::WindowCloseButtonHint;
    if (object_.minimizeButton())
        flags |= Qt::WindowMinimizeButtonHint;
    if (object_.maximizeButton() && object_.resizeable())
        flags |= Qt::WindowMaximizeButtonHint;
    if (widget_->windowFlags() == flags)
        return;
    bool wasVisible = widget_->isVisible();
    widget_->setWindowFlags(flags); // hides a shown window
    if (wasVisible)
        widget_->show();
}

void WindowPeer::applyColors()
{
    QWidget* content = widget_->content();
    content->setAutoFillBackground(object_.hasBackColor());
    if (object_.hasBackColor())
        SetEnabledColor(content, QPalette::Window, object_.backColor());
    else
        content->setPalette(QPalette());
}

void WindowPeer::applyMenuBar()
{
    Ref<MenuBar> bar;
    if (!modal_ && object_.menuBarVisible()) {
        bar = object_.menuBar();
        if (!bar)
            if (auto application = getAppObject())
                bar = application->menuBar();
    }
    if (bar.get() == shownBar_.get() && (bar != nullptr) == (widget_->menuBar() != nullptr))
        return;
    shownBar_ = WeakRef(bar.get());
    QMenuBar* shown = nullptr;
    if (bar) {
        bar->attachPeer();
        if (auto* menus = MenuPeer::of(bar.get())) {
            shown = new QMenuBar(widget_);
            menus->fill(shown);
        }
    }
    widget_->setMenuBar(shown);
    applyGeometry();
}

void WindowPeer::applyFocus()
{
    if (auto* focus = object_.focus()) {
        auto* peer = ControlPeer::of(focus);
        if (peer && peer->widget() && !peer->widget()->hasFocus())
            peer->widget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget* focused = QApplication::focusWidget();
    if (focused && widget_->isAncestorOf(focused))
        focused->clearFocus();
}

// The controls in this window's widget, by TabIndex, ties by the order added.
std::vector<ControlPeer*> WindowPeer::tabOrder() const
{
    std::vector<ControlPeer*> order;
    for (std::size_t k = 0; k < object_.controlCount(); ++k) {
        auto* peer = ControlPeer::of(object_.controlObject(k));
        if (peer && peer->widget() && peer->widget()->window() == widget_)
            order.push_back(peer);
    }
    std::stable_sort(order.begin(), order.end(),
        [](const ControlPeer* a, const ControlPeer* b) { return a->object().tabIndex() < b->object().tabIndex(); });
    return order;
}

void WindowPeer::orderTabs()
{
    if (!widget_)
        return;
    auto order = tabOrder();
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1]->widget(), order[k]->widget());
}

void WindowPeer::focusFirstControl()
{
    if (object_.focus())
        return;
    for (ControlPeer* control : tabOrder())
        if (control->takesTabFocus()) {
            control->focusByTab();
            return;
        }
}

// Before the first show the frame is only guessed; once shown, the real frame is centred.
void WindowPeer::place()
{
    if (placed_ || object_.placement() != kPlacementCentredOnScreen)
        return;
    QScreen* screen = widget_->screen() ? widget_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = widget_->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    widget_->move(frame.topLeft());
}

void WindowPeer::show()
{
    if (!widget_)
        return;
    applyMenuBar();
    orderTabs();
    place();
    widget_->show();
    place();
    placed_ = true;
    widget_->raise();
    widget_->activateWindow();
    applyFocus();
    if (!std::exchange(opened_, true))
        focusFirstControl();
}

void WindowPeer::showModal()
{
    if (!widget_)
        return;
    modal_ = true;
    if (widget_->isVisible())
        widget_->hide(); // modality is set on a hidden window
    widget_->setWindowModality(Qt::ApplicationModal);
    show();
    if (!widget_ || !object_.opened())
        return;
    QEventLoop loop;
    modalLoop_ = &loop;
    QObject::connect(widget_, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    modalLoop_ = nullptr;
}

void WindowPeer::close()
{
    if (modalLoop_)
        modalLoop_->quit();
    if (!widget_)
        return;
    // Inside a close request Qt finishes the close itself once the request is accepted.
    if (!widget_->inCloseEvent()) {
        widget_->close();
        widget_->hide();
    }
    widget_->deleteLater();
    widget_ = nullptr;
}

} // namespace fw::qt
