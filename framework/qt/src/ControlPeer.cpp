#include "ControlPeer.h"

#include "HoverReporter.h"
#include "Styling.h"
#include "TextConversion.h"
#include "WholeTextFields.h"
#include "WindowPeer.h"

#include <fw/RectControl.h>
#include <fw/Window.h>

#include <QHash>

#include <array>

namespace fw::qt {

namespace {
QHash<const Object*, ControlPeer*>& peersByObject()
{
    static QHash<const Object*, ControlPeer*> peers;
    return peers;
}

QHash<const QWidget*, ControlPeer*>& peersByWidget()
{
    static QHash<const QWidget*, ControlPeer*> peers;
    return peers;
}

// The order in which a new peer reads its object: what a value depends on comes first
// (a popup's rows before its row, a slider's range before its value, a field's limit
// before its text), and the widget shows itself last.
constexpr std::array kAttachOrder { Aspect::Style, Aspect::Font, Aspect::Colors, Aspect::Range, Aspect::Text,
    Aspect::HelpTag, Aspect::CueText, Aspect::Selection, Aspect::Picture, Aspect::Enabled, Aspect::TabOrder,
    Aspect::Timer };
} // namespace

ControlPeer::ControlPeer(RectControl& object, QWidget* widget)
    : object_(object)
    , widget_(widget)
    , naturalFocus_(widget->focusPolicy())
{
    peersByObject().insert(&object, this);
    peersByWidget().insert(widget, this);
    widget->installEventFilter(new HoverReporter(object, widget));
}

ControlPeer::~ControlPeer()
{
    peersByObject().remove(&object_);
    if (!widget_)
        return;
    peersByWidget().remove(widget_);
    // The controls this one enclosed stay: they move to the parent they have without it.
    const auto peers = peersByWidget().values();
    for (auto* peer : peers)
        if (peer->widget_ && peer->widget_->parentWidget() == widget_)
            peer->reparent();
    widget_->hide();
    widget_->deleteLater();
}

ControlPeer* ControlPeer::of(const Object* control) noexcept { return peersByObject().value(control, nullptr); }

ControlPeer* ControlPeer::forWidget(const QWidget* widget) noexcept
{
    for (; widget; widget = widget->parentWidget())
        if (auto* peer = peersByWidget().value(widget, nullptr))
            return peer;
    return nullptr;
}

void ControlPeer::attach()
{
    reparent();
    for (auto aspect : kAttachOrder)
        update(aspect);
    reparentEnclosed();
}

void ControlPeer::update(Aspect aspect)
{
    if (!widget_)
        return;
    switch (aspect) {
    case Aspect::Geometry:
        placeWidget();
        keepTextFieldsWhole();
        break;
    case Aspect::Visible:
        applyVisible();
        keepTextFieldsWhole();
        break;
    case Aspect::Enabled:
        widget_->setEnabled(object_.enabled());
        break;
    case Aspect::Font:
        if (auto* text = dynamic_cast<const TextFontControl*>(&object_))
            ApplyFont(widget_, *text);
        break;
    case Aspect::HelpTag:
        widget_->setToolTip(ShownText(object_.helpTag()));
        break;
    case Aspect::Parent:
        reparent();
        break;
    case Aspect::TabOrder:
        applyTabStop();
        break;
    default:
        break;
    }
    show(aspect);
}

QWidget* ControlPeer::parentWidget() const
{
    if (auto* enclosing = object_.enclosingControl())
        if (auto* peer = of(enclosing); peer && peer->widget_)
            return peer->widget_;
    auto* window = WindowPeer::of(object_.window());
    return window ? window->content() : nullptr;
}

QPoint ControlPeer::parentOrigin() const
{
    if (auto* enclosing = object_.enclosingControl())
        if (auto* peer = of(enclosing); peer && peer->widget_ && widget_->parentWidget() == peer->widget_)
            return QPoint(enclosing->left(), enclosing->top());
    return QPoint(0, 0);
}

void ControlPeer::reparent()
{
    if (!widget_)
        return;
    QWidget* parent = parentWidget();
    if (parent && widget_->parentWidget() != parent)
        widget_->setParent(parent); // hides it; applyVisible shows it again
    placeWidget();
    applyVisible();
    keepTextFieldsWhole();
    if (auto* window = WindowPeer::of(object_.window()))
        window->orderTabs();
}

void ControlPeer::keepTextFieldsWhole()
{
    if (auto* window = object_.window())
        KeepTextFieldsWhole(*window);
}

// Controls that name this one as their InitialParent and got their peers first.
void ControlPeer::reparentEnclosed()
{
    auto* window = object_.window();
    for (std::size_t k = 0; window && k < window->controlCount(); ++k) {
        auto* peer = of(window->controlObject(k));
        if (peer && peer != this && peer->object_.enclosingControl() == &object_)
            peer->reparent();
    }
}

void ControlPeer::placeWidget()
{
    QPoint origin = parentOrigin();
    widget_->setGeometry(object_.left() - origin.x(), object_.top() - origin.y(), object_.width(), object_.height());
    // Controls enclosed by this one keep their window position.
    auto* window = object_.window();
    for (std::size_t k = 0; window && k < window->controlCount(); ++k) {
        auto* peer = of(window->controlObject(k));
        if (peer && peer != this && peer->widget_ && peer->widget_->parentWidget() == widget_)
            peer->placeWidget();
    }
}

bool ControlPeer::takesTabFocus() const
{
    return widget_ && (widget_->focusPolicy() & Qt::TabFocus) && widget_->isEnabled()
        && widget_->isVisibleTo(widget_->window());
}

void ControlPeer::focusByTab() { widget_->setFocus(Qt::TabFocusReason); }

void ControlPeer::applyVisible()
{
    // A widget without a parent would become a window of its own.
    widget_->setVisible(object_.visible() && widget_->parentWidget());
}

void ControlPeer::applyTabStop()
{
    Qt::FocusPolicy focus = tabStopFocus();
    if (!object_.tabStop() && (focus & Qt::ClickFocus))
        focus = Qt::ClickFocus;
    widget_->setFocusPolicy(focus);
    if (auto* window = WindowPeer::of(object_.window()))
        window->orderTabs();
}

} // namespace fw::qt
